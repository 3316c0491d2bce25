#include "teeth.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/paths.h"
#include "platform/text.h"
#include "printable.h"
#include "records/audittrail.h"
#include "records/recordnames.h"
#include "records/textconv.h"
#include "records/workdirlock.h"

namespace recordtool {
namespace {

std::string BaseName(const std::string& logical) {
    const size_t slash = logical.rfind('\\');
    return slash == std::string::npos ? logical : logical.substr(slash + 1);
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && ::strcasecmp(a.c_str(), b.c_str()) == 0;
}

// The file name of the picture the request names, among those the patient's list holds and its
// count covers; empty when none.
std::string FindPicture(const PatientDir& patient, const std::string& wanted) {
    const ListFile<_DISE_PIC> list = ReadPictureList(patient);
    const size_t count = std::min(list.records.size(), size_t(std::max(patient.user.picCount, 0)));
    char* end = nullptr;
    const unsigned long number = std::strtoul(wanted.c_str(), &end, 10);
    const bool isNumber = !wanted.empty() && *end == '\0' && wanted[0] != '-' && wanted[0] != '+';
    for (size_t i = 0; i < count; ++i) {
        const std::string path = records::FieldText(list.records[i].path);
        const std::string prefix = patient.logicalDir + "\\";
        // Only a picture of the patient's own directory has its tags in that directory.
        if (!EqualNoCase(path.substr(0, prefix.size()), prefix) ||
            path.find('\\', prefix.size()) != std::string::npos) {
            continue;
        }
        if ((isNumber && number == i + 1) || EqualNoCase(path, wanted) || EqualNoCase(BaseName(path), wanted)) {
            return BaseName(path);
        }
    }
    return {};
}

}  // namespace

std::string TagsLine(const records::ToothTags& tags, const std::string& pictureName) {
    const records::PictureTags picture = tags.TagsOf(pictureName);
    if (picture.Empty()) return {};
    std::string line;
    //: under a picture: %1 its teeth, FDI numbers such as 11,21
    if (!picture.teethFdi.empty()) line = text::Arg(text::Tr("teeth %1"), {records::FdiList(picture.teethFdi)});
    if (picture.view != records::View::None) {
        //: under a picture: %1 its view, a keyword such as frontal
        line += (line.empty() ? "" : "  ") + text::Arg(text::Tr("view %1"), {records::ViewName(picture.view)});
    }
    return line;
}

int TagPicture(const WorkDir& workDir, const PatientDir& patient, const TagRequest& request) {
    records::PictureTags wanted;
    std::string problem;
    if (request.hasTeeth && !records::ParseFdiTeeth(request.teeth, &wanted.teethFdi, &problem)) {
        std::fprintf(stderr, "kavimo-records: %s\n", Printable(problem).c_str());
        return 2;
    }
    if (request.hasView && !records::ParseView(request.view, &wanted.view)) {
        std::string views = records::ViewName(records::kViews[0]);
        for (size_t i = 1; i < sizeof records::kViews / sizeof records::kViews[0]; ++i) {
            views.append(", ").append(records::ViewName(records::kViews[i]));
        }
        //: %2 the view keywords, such as "frontal, left-buccal, ..."
        std::fprintf(stderr, "kavimo-records: %s\n",
                     text::Arg(text::Tr("\"%1\" is not a view (%2)"), {Printable(request.view), views}).c_str());
        return 2;
    }
    const std::string name = FindPicture(patient, request.picture);
    if (name.empty()) {
        //: %1 the patient's UID, %2 the picture asked for; "show" is a command name
        std::fprintf(stderr, "kavimo-records: %s\n",
                     text::Arg(text::Tr("%1 has no picture %2 in its directory (see show %1)"),
                               {records::UidText(patient.user.uid), Printable(request.picture)})
                         .c_str());
        return 1;
    }
    // The same lock as kavimo's: the program and a script never write the file at once.
    records::WorkDirLock lock;
    if (lock.Acquire(workDir.hostDir) != records::WorkDirLock::Status::Held) {
        std::fprintf(stderr, "kavimo-records: %s\n", Printable(lock.Message()).c_str());
        return 1;
    }
    records::ToothTags::Found found = records::ToothTags::Found::None;
    records::ToothTags tags = records::ToothTags::Load(patient.hostDir, &found, &problem);
    if (found == records::ToothTags::Found::Damaged) {
        std::fprintf(stderr, "kavimo-records: %s\n",
                     text::Arg(text::Tr("%1 is damaged (%2); it is left as it is"),
                               {Printable(patient.logicalDir + "\\" + records::kToothTagsFile), Printable(problem)})
                         .c_str());
        return 1;
    }
    records::PictureTags picture = tags.TagsOf(name);
    if (request.hasTeeth) picture.teethFdi = wanted.teethFdi;
    if (request.hasView) picture.view = wanted.view;
    std::string error;
    if (!tags.Set(name, picture) || !tags.Save(patient.hostDir, &error)) {
        std::fprintf(stderr, "kavimo-records: %s: %s\n", Printable(name).c_str(),
                     Printable(error.empty() ? text::Tr("cannot be tagged") : error).c_str());
        return 1;
    }
    // Written into kavimo's audit trail as kavimo writes a change of the teeth it makes.
    records::AuditTrail trail(platform::HostPath(records::WorkDirFile(records::kAuditTrailFile)));
    records::AuditEvent event;
    event.event = records::audit::kSave;
    event.patient = patient.user.uid;
    event.file = patient.logicalDir + "\\" + name;
    event.detail = "Teeth: " + records::FdiList(picture.teethFdi) + ", view: " + records::ViewName(picture.view) +
                   " (kavimo-records tag)";
    std::string auditError;
    if (!trail.Append(event, &auditError)) {
        std::fprintf(stderr, "kavimo-records: %s\n",
                     text::Arg(text::Tr("the audit trail was not written: %1"), {Printable(auditError)}).c_str());
    }
    const std::string line = TagsLine(tags, name);
    std::printf("%s: %s\n", Printable(name).c_str(),
                line.empty() ? text::Tr("no teeth, no view").c_str() : line.c_str());
    return 0;
}

}  // namespace recordtool
