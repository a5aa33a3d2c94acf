#include "document/RecoveryFile.h"

#include <cstdio>
#include <ctime>

#include "document/DocumentMessages.h"
#include "model/ArgText.h"
#include "model/ByteReader.h"
#include "model/ByteWriter.h"
#include "model/FileIo.h"
#include "model/Format.h"
#include "model/ZrtCodec.h"
#include "tree/BuildTree.h"

namespace {

constexpr std::string_view kMagic = "NXRECOV1";
// Names longer than any path the system takes are not a recovery file's.
constexpr uint32_t kMaxNameBytes = 4096;
// As for a configuration file, plus the header.
constexpr size_t kMaxRecoveryBytes = 64u * 1024u * 1024u + 2 * kMaxNameBytes + 64;

std::optional<std::string> Name(ByteReader& in) {
    const uint32_t length = in.U32();
    if (!in.Ok() || length > kMaxNameBytes || in.Remaining() < length) return std::nullopt;
    return in.Bytes(length);
}

}  // namespace

std::string EncodeRecovery(const RecoveryRecord& record) {
    ByteWriter out;
    out.Bytes(kMagic);
    const auto time = static_cast<uint64_t>(record.m_nTime);
    out.U32(static_cast<uint32_t>(time));
    out.U32(static_cast<uint32_t>(time >> 32));
    out.U32(static_cast<uint32_t>(record.m_strPath.size()));
    out.Bytes(record.m_strPath);
    out.U32(static_cast<uint32_t>(record.m_strTitle.size()));
    out.Bytes(record.m_strTitle);
    out.Bytes(record.m_strConfig);
    return out.Take();
}

std::optional<RecoveryRecord> DecodeRecovery(std::string_view bytes) {
    if (bytes.substr(0, kMagic.size()) != kMagic) return std::nullopt;
    ByteReader in(bytes.substr(kMagic.size()));
    RecoveryRecord record;
    const uint64_t low = in.U32();
    const uint64_t high = in.U32();
    record.m_nTime = static_cast<int64_t>(low | high << 32);
    auto path = Name(in);
    if (!path) return std::nullopt;
    auto title = Name(in);
    if (!title) return std::nullopt;
    record.m_strPath = std::move(*path);
    record.m_strTitle = std::move(*title);
    record.m_strConfig = in.Bytes(in.Remaining());
    ZrtConfig check;
    if (!in.Ok() || DecodeZrt(record.m_strConfig, check).m_status != ZrtStatus::Ok)
        return std::nullopt;
    return record;
}

bool WriteRecovery(const std::string& path, const RecoveryRecord& record) {
    return WriteFileAtomically(path, EncodeRecovery(record), nullptr, true);
}

std::optional<RecoveryRecord> ReadRecovery(const std::string& path) {
    const auto bytes = ReadWholeFile(path, kMaxRecoveryBytes);
    if (!bytes) return std::nullopt;
    return DecodeRecovery(*bytes);
}

std::string RecoveryQuestion(const RecoveryRecord& record) {
    const auto time = static_cast<std::time_t>(record.m_nTime);
    std::tm local{};
    char when[32] = "";
    if (::localtime_r(&time, &local)) std::strftime(when, sizeof when, "%Y-%m-%d %H:%M", &local);
    // In one pass: a "%2" in the file's name is part of the name.
    return ReplaceArgs(Tr("Document", DocumentMessages::kRecoverQuestion),
                       {record.m_strTitle, when});
}

bool RecoverWork(DocumentContext& ctx, const RecoveryRecord& record) {
    ZrtConfig fresh;
    if (!ctx.m_pMain || DecodeZrt(record.m_strConfig, fresh).m_status != ZrtStatus::Ok)
        return false;
    CZRTProDoc& doc = ctx.m_doc;
    doc.ClearContents();
    static_cast<ZrtConfig&>(doc) = std::move(fresh);
    if (record.m_strPath.empty())
        doc.SetUntitled(record.m_strTitle);
    else
        doc.SetPathName(record.m_strPath);
    ctx.m_pMain->m_strPendingPassword.clear();
    ctx.m_pMain->m_bPasswordPending = false;
    doc.m_bConflicts = 0;
    BuildTree(doc, ctx.m_tree, ctx.m_prompter, nullptr, true, -1, -1, doc.m_nCiuCount,
              doc.m_nPortCount);
    if (const TreeItem root = ctx.m_tree.RootItem())
        ctx.m_tree.SetItemText(root, ShownLabel(SystemLabel(doc.GetTitle())));
    doc.RecheckArchConflicts();
    doc.SetModifiedFlag(true);
    ctx.m_pMain->m_history.Start(doc);
    return true;
}

void RecoveryKeeper::Update(const CZRTProDoc& doc, bool busy, int64_t now) {
    if (busy || !doc.m_bTreeBuilt) return;
    if (!doc.IsModified()) {
        if (m_bFileMayExist) Remove();
        return;
    }
    RecoveryRecord record{doc.GetPathName(), doc.GetTitle(), 0, EncodeZrt(doc)};
    std::string kept = EncodeRecovery(record);
    if (kept == m_strKept) return;
    record.m_nTime = now;
    if (!WriteRecovery(m_strPath, record)) return;
    m_strKept = std::move(kept);
    m_bFileMayExist = true;
}

void RecoveryKeeper::Remove() {
    std::remove(m_strPath.c_str());
    m_strKept.clear();
    m_bFileMayExist = false;
}
