#pragma once
// Resource identifiers of the program's templates.
#define IDD_DEZOZI2_DIALOG 102
