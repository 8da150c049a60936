#include "services/IniWriteJournal.h"

#include <unordered_map>

#include "services/IniText.h"

namespace {

const wchar_t kLineEnd[] = L"\r\n";

} // namespace

void IniWriteJournal::Set(const std::wstring& section, const std::wstring& key, const std::wstring& value)
{
    const std::wstring sectionName = IniText::Trimmed(section);
    const std::wstring sectionFolded = IniText::Folded(sectionName);
    Section* target = nullptr;
    for (Section& s : m_sections) {
        if (s.folded == sectionFolded) {
            target = &s;
            break;
        }
    }
    if (!target) {
        m_sections.push_back(Section{sectionName, sectionFolded, {}});
        target = &m_sections.back();
    }
    const std::wstring keyName = IniText::Trimmed(key);
    const std::wstring keyFolded = IniText::Folded(keyName);
    for (Write& w : target->writes) {
        if (w.folded == keyFolded) {
            w.value = value;
            return;
        }
    }
    target->writes.push_back(Write{keyName, keyFolded, value});
}

std::wstring IniWriteJournal::KeyLine(const Write& write)
{
    return write.key + L"=" + write.value;
}

std::wstring IniWriteJournal::Apply(const std::wstring& text) const
{
    if (m_sections.empty())
        return text;
    std::unordered_map<std::wstring, size_t> sectionOf;
    for (size_t i = 0; i < m_sections.size(); ++i)
        sectionOf.emplace(m_sections[i].folded, i);
    std::vector<std::vector<bool>> done(m_sections.size());
    std::vector<bool> sectionSeen(m_sections.size(), false);
    for (size_t i = 0; i < m_sections.size(); ++i)
        done[i].assign(m_sections[i].writes.size(), false);

    std::wstring out;
    out.reserve(text.size() + 64);
    // The section whose keys are being read (only the first of a name takes
    // writes), where its last non-blank line ended in out.
    const size_t none = static_cast<size_t>(-1);
    size_t current = none;
    size_t insertAt = 0;

    // The keys of a section that were not in the file go after its last line.
    auto closeSection = [&]() {
        if (current == none)
            return;
        std::wstring added;
        const Section& s = m_sections[current];
        for (size_t k = 0; k < s.writes.size(); ++k) {
            if (!done[current][k])
                added += KeyLine(s.writes[k]) + kLineEnd;
            done[current][k] = true;
        }
        if (!added.empty()) {
            // The last line may have had no line end.
            if (insertAt > 0 && out[insertAt - 1] != L'\n' && out[insertAt - 1] != L'\r')
                added.insert(0, kLineEnd);
            out.insert(insertAt, added);
        }
        current = none;
    };
    auto openSection = [&](const std::wstring& folded) {
        const auto found = sectionOf.find(folded);
        if (found == sectionOf.end() || sectionSeen[found->second])
            return;
        sectionSeen[found->second] = true;
        current = found->second;
        insertAt = out.size();
    };

    // Keys before the first header belong to the nameless section.
    openSection(std::wstring());
    size_t next = 0;
    while (next < text.size()) {
        const size_t start = next;
        size_t end = 0;
        IniText::NextLine(text, start, end, next);
        const IniText::Line line = IniText::Classify(text, start, end);
        if (line.kind == IniText::LineKind::Section) {
            closeSection();
            out.append(text, start, next - start);
            openSection(IniText::Folded(text.substr(line.start, line.nameLength)));
            continue;
        }
        if (line.kind == IniText::LineKind::Key && current != none) {
            const Section& s = m_sections[current];
            const std::wstring folded = IniText::Folded(text.substr(line.start, line.nameLength));
            bool replaced = false;
            for (size_t k = 0; k < s.writes.size() && !replaced; ++k) {
                if (!done[current][k] && s.writes[k].folded == folded) {
                    done[current][k] = true;
                    replaced = true;
                    out += KeyLine(s.writes[k]);
                    out.append(text, end, next - end);
                }
            }
            // Only the first key of a name is found by a lookup.
            if (!replaced)
                out.append(text, start, next - start);
            insertAt = out.size();
            continue;
        }
        out.append(text, start, next - start);
        if (line.kind != IniText::LineKind::Blank)
            insertAt = out.size();
    }
    closeSection();

    for (size_t i = 0; i < m_sections.size(); ++i) {
        if (sectionSeen[i])
            continue;
        const Section& s = m_sections[i];
        if (!out.empty() && out.back() != L'\n' && out.back() != L'\r')
            out += kLineEnd;
        out += L"[" + s.name + L"]" + kLineEnd;
        for (const Write& w : s.writes)
            out += KeyLine(w) + kLineEnd;
    }
    return out;
}
