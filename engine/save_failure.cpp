#include "engine/save_failure.h"

#include "engine/atomic_file.h"
#include "engine/file_messages.h"

#include <cerrno>

namespace rv {

namespace {

const char* causeText(std::error_code cause) {
    if (cause.category() == atomicWriteCategory()) {
        switch (static_cast<AtomicWriteRefusal>(cause.value())) {
        case AtomicWriteRefusal::NotRegularFile:
            return messages::kSaveCauseNotAFile;
        case AtomicWriteRefusal::ForeignSymlink:
            return messages::kSaveCauseForeignLink;
        case AtomicWriteRefusal::SymlinkLoop:
            return messages::kSaveCauseLinkLoop;
        }
        return nullptr;
    }
    if (cause.category() != std::generic_category() && cause.category() != std::system_category())
        return nullptr;
    switch (cause.value()) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return messages::kSaveCauseNoSpace;
    case EACCES:
    case EPERM:
        return messages::kSaveCauseNoPermission;
    case EROFS:
        return messages::kSaveCauseReadOnly;
    case ENOENT:
    case ENOTDIR:
        return messages::kSaveCauseNoFolder;
    case ENAMETOOLONG:
        return messages::kSaveCauseNameTooLong;
    case EISDIR:
        return messages::kSaveCauseNotAFile;
    case ELOOP:
        return messages::kSaveCauseLinkLoop;
    case EIO:
        return messages::kSaveCauseDiskError;
    default:
        return nullptr;
    }
}

} // namespace

std::string saveFailureMessage(std::error_code cause) {
    const char* why = causeText(cause);
    if (!why)
        return messages::kCaseSaveFailed;
    return std::string(messages::kCaseSaveFailed) + ": " + why + ".";
}

} // namespace rv
