// A read-only look at a work directory, for the support tool. Nothing here writes a file: unlike
// the records store's Load, looking does not regenerate UserList.fdb.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dirlist.h"
#include "records/recordtypes.h"

namespace recordtool {

struct PatientDir {
    std::string name;        // the directory's name as on disk
    std::string logicalDir;  // "d:\DentalWorkDir\<name>"
    std::string hostDir;
    bool isLink = false;  // a symbolic link: the store does not treat it as a patient
    bool hasBackup = false;
    int64_t backupSize = 0;
    bool complete = false;  // the backup holds a whole record
    _USER_INFO user = {};   // valid when complete
};

struct WorkDir {
    std::string hostDir;
    bool exists = false;
    std::vector<PatientDir> dirs;           // every subdirectory but the trash, in listing order
    bool hasTrash = false;                  // the trash folder (records/trash.h) is there
    std::vector<platform::DirEntry> files;  // everything else in the work directory
};

// A list file's records as far as the file holds whole ones.
template <typename Record>
struct ListFile {
    bool exists = false;
    int64_t size = 0;
    std::vector<Record> records;
};

WorkDir ScanWorkDir();

// The patients as the store would list them: directories that are not links and hold a whole
// backup record.
std::vector<const PatientDir*> Patients(const WorkDir& workDir);

ListFile<_DIAG_ITEM> ReadDiagList(const PatientDir& dir);
ListFile<_DISE_PIC> ReadPictureList(const PatientDir& dir);

// The hospital name ("" when unset) and the size of Hospital.fdb (-1 when missing).
std::u16string ReadHospital(int64_t* size);

}  // namespace recordtool
