# Sources without any Windows dependency. They go into the program and into
# the native sanitizer/fuzzing build (disc/ entries belong to a companion
# and are built there, natively only for their tests). Keep this list sorted.
set(DEZ_PURE_SOURCES
  disc/OvSetup/OsRule.cpp
  disc/OvraSetup/SetupEntry.cpp
  disc/OvraSetup/SetupRequest.cpp
  disc/TermsOfUse/TermsRules.cpp
  disc/VeVirodOvuz/LangChoice.cpp
  src/app/CCmdLineParser.cpp
  src/app/RunMode.cpp
  src/config/CatalogRules.cpp
  src/config/LanguageRules.cpp
  src/config/LayoutChoice.cpp
  src/config/OfferRules.cpp
  src/engine/HardwareIdMatch.cpp
  src/engine/ItemStatus.cpp
  src/engine/PathMacro.cpp
  src/engine/RegistryVersionPath.cpp
  src/engine/RunRules.cpp
  src/engine/VersionText.cpp
  src/log/LogLineFormat.cpp
  src/services/CopyName.cpp
  src/services/Crc32.cpp
  src/services/IniScrambler.cpp
  src/services/IniText.cpp
  src/services/IniWriteJournal.cpp
  src/services/PathRoot.cpp
  src/services/VersionFormat.cpp
  src/session/RestartPlan.cpp
  src/ui/LoadingFrames.cpp
  src/ui/PopupLayout.cpp
  src/ui/skin/ColorText.cpp
  src/ui/skin/ScrollThumb.cpp
  src/ui/skin/SkinManifest.cpp
  src/ui/skin/SkinVerdict.cpp
)
