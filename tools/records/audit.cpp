#include "audit.h"

#include <cstdio>
#include <vector>

#include "platform/paths.h"
#include "platform/text.h"
#include "printable.h"
#include "records/audittrail.h"
#include "records/recordnames.h"

namespace recordtool {

namespace {

// "2024-01-01T09:00:00+01:00" as "20240101", to compare with --since.
std::string DayOf(const std::string& time) {
    std::string day;
    for (size_t i = 0; i < time.size() && i < 10; ++i) {
        if (time[i] != '-') day.push_back(time[i]);
    }
    return day;
}

void PrintEvent(const records::AuditEvent& e) {
    std::string line = Printable(e.time) + "  " + Printable(e.event);
    if (line.size() < 44) line.append(44 - line.size(), ' ');
    //: the outcome of an event of the audit trail; keep it at most 7 characters
    line += PadRight(e.success ? text::Tr("ok") : text::Tr("FAILED"), 7) + " ";
    line += Printable(e.user) + "@" + Printable(e.host);
    if (e.patient != 0) line += "  " + records::UidText(e.patient);
    if (!e.file.empty()) line += "  " + Printable(e.file);
    if (!e.detail.empty()) line += "  (" + Printable(e.detail) + ")";
    std::printf("%s\n", line.c_str());
}

}  // namespace

bool IsDate(const std::string& text) {
    if (text.size() != 8) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

int ShowAuditTrail(const std::string& since) {
    const std::string logical = records::WorkDirFile(records::kAuditTrailFile);
    const std::string host = platform::HostPath(logical);
    std::vector<records::AuditEvent> events;
    size_t skipped = 0;
    std::string error;
    if (!records::AuditTrail::ReadFile(host, &events, &skipped, &error)) {
        std::fprintf(stderr, "kavimo-records: %s\n", Printable(error).c_str());
        return 1;
    }
    std::printf("%s\n", text::Arg(text::Tr("Audit trail %1 (%2)"), {Printable(logical), Printable(host)}).c_str());
    size_t shown = 0;
    for (const records::AuditEvent& e : events) {
        if (!since.empty() && DayOf(e.time) < since) continue;
        PrintEvent(e);
        ++shown;
    }
    const int count = int(shown);
    std::string summary =
        since.empty()
            ? Counted(count, text::Tr("1 event"), text::Tr("%n events", nullptr, count))
            : text::Arg(Counted(count, text::Tr("1 event since %1"), text::Tr("%n events since %1", nullptr, count)),
                        {since});
    if (skipped > 0) {
        //: %1 the events shown, such as "2 events since 20240305"
        summary = text::Arg(Counted(int64_t(skipped), text::Tr("%1; 1 line skipped, not a whole event"),
                                    text::Tr("%1; %n lines skipped, not a whole event", nullptr, int(skipped))),
                            {summary});
    }
    std::printf("%s\n", summary.c_str());
    return 0;
}

}  // namespace recordtool
