#include "model/ZrtFile.h"

#include "model/FileIo.h"
#include "model/Format.h"
#include "model/ModelMessages.h"
#include "model/ZrtCodec.h"

bool LoadZrtFile(CZRTProDoc& doc, const std::string& path, Prompter& prompter) {
    doc.m_bLoadFailed = 0;
    const auto bytes = ReadWholeFile(path, kMaxZrtFileBytes);
    if (!bytes) {
        prompter.Message(Tr("Model", ModelMessages::kFailedToOpen), PromptButtons::Ok,
                         PromptIcon::Error);
        return false;
    }
    ZrtConfig fresh;
    const ZrtReadResult result = DecodeZrt(*bytes, fresh);
    switch (result.m_status) {
        case ZrtStatus::BadVersion:
            prompter.Message(StrFormat(Tr("Model", ModelMessages::kBadVersion).c_str(),
                                       path.c_str(), result.m_nVersion));
            doc.m_bLoadFailed = 1;
            return false;
        case ZrtStatus::BadFormat:
            prompter.Message(Tr("Model", ModelMessages::kUnexpectedFormat), PromptButtons::Ok,
                             PromptIcon::Error);
            return false;
        case ZrtStatus::Ok:
            break;
    }
    static_cast<ZrtConfig&>(doc) = std::move(fresh);
    doc.SetModifiedFlag(false);
    return true;
}

bool SaveZrtFile(CZRTProDoc& doc, const std::string& path, Prompter& prompter) {
    doc.m_bLoadFailed = 0;
    std::string reason;
    if (!WriteFileAtomically(path, EncodeZrt(doc), &reason)) {
        prompter.Message(Tr("Model", ModelMessages::kFailedToSave) + "\n\n" + reason,
                         PromptButtons::Ok, PromptIcon::Error);
        return false;
    }
    doc.SetModifiedFlag(false);
    return true;
}
