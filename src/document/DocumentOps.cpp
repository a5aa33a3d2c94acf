#include "document/DocumentOps.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "document/DocumentMessages.h"
#include "model/FileIo.h"
#include "model/Format.h"
#include "model/ModelMessages.h"
#include "model/ZrtCodec.h"
#include "model/ZrtFile.h"
#include "tree/BuildTree.h"

namespace {

bool HasConflicts(CZRTProDoc& doc) { return doc.m_bConflicts || !doc.CheckArchConflicts(); }

// A configuration whose Arch Numbers conflict is never written.
bool RefusedForConflicts(DocumentContext& ctx) {
    if (!HasConflicts(ctx.m_doc)) return false;
    ctx.m_prompter.Message(Tr("Model", ModelMessages::kConflictsCannotSave), PromptButtons::Ok,
                           PromptIcon::Warning);
    return true;
}

void LabelRoot(DocumentContext& ctx, const std::string& name) {
    if (const TreeItem root = ctx.m_tree.RootItem())
        ctx.m_tree.SetItemText(root, ShownLabel(SystemLabel(name)));
}

}  // namespace

bool AskSaveChanges(DocumentContext& ctx) {
    if (!ctx.m_doc.IsModified()) return true;
    const std::string text =
        ReplaceArg1(Tr("Model", ModelMessages::kSaveChanges), ctx.m_doc.GetTitle());
    switch (ctx.m_prompter.Message(text, PromptButtons::YesNoCancel, PromptIcon::Question)) {
        case PromptAnswer::Yes:
            return SaveDocument(ctx, false);
        case PromptAnswer::No:
            return true;
        default:
            return false;
    }
}

bool OpenConfiguration(DocumentContext& ctx, const std::string& named) {
    if (!ctx.m_pMain || ctx.m_pMain->m_bBusy) return false;
    // A file named relative to the working folder is known by its full path
    // from here on: in messages, the report and the recent files.
    const std::string path = FullPath(named);
    CZRTProDoc& doc = ctx.m_doc;
    const std::string previousPath = doc.GetPathName();
    const std::string previousTitle = doc.GetTitle();
    const bool previousTreeBuilt = doc.m_bTreeBuilt;

    doc.ClearContents();
    doc.SetPathName(path);
    if (!LoadZrtFile(doc, path, ctx.m_prompter)) {
        // Keep the old name so that a later Save cannot write the configuration
        // still in memory over the file that failed to open.
        if (previousPath.empty())
            doc.SetUntitled(previousTitle);
        else
            doc.SetPathName(previousPath);
        doc.m_bTreeBuilt = previousTreeBuilt;
        return false;
    }
    ctx.m_pMain->m_strPendingPassword.clear();
    ctx.m_pMain->m_bPasswordPending = false;
    doc.m_bConflicts = 0;
    doc.SetPathName(path);
    BuildTree(doc, ctx.m_tree, ctx.m_prompter, nullptr, true, -1, -1, doc.m_nCiuCount,
              doc.m_nPortCount);
    LabelRoot(ctx, FileNameOf(path));
    doc.SetModifiedFlag(false);
    ctx.m_pMain->m_history.Start(doc);
    return true;
}

bool SaveConfiguration(DocumentContext& ctx, const std::string& named) {
    if (RefusedForConflicts(ctx)) return false;
    const std::string path = FullPath(named);
    if (!ctx.m_pMain) return false;
    if (!SaveZrtFile(ctx.m_doc, path, ctx.m_prompter)) return false;
    ctx.m_pMain->m_history.MarkSaved();
    ctx.m_doc.SetPathName(path);
    LabelRoot(ctx, FileNameOf(path));
    if (ctx.m_pRecent) ctx.m_pRecent->Add(path);
    return true;
}

bool SaveDocument(DocumentContext& ctx, bool askName) {
    std::string path = ctx.m_doc.GetPathName();
    // Refused before a file name is asked for, which would be asked in vain.
    if (RefusedForConflicts(ctx)) return false;
    if (askName || path.empty()) {
        if (path.empty()) path = ctx.m_doc.GetTitle();
        if (!ctx.m_prompter.ChooseFile(FileChoice::SaveZrt, path)) return false;
    }
    return SaveConfiguration(ctx, path);
}

bool ConfirmLeave(DocumentContext& ctx) {
    if (HasConflicts(ctx.m_doc)) {
        if (ctx.m_prompter.Message(Tr("Model", ModelMessages::kConflictsCloseWithoutSaving),
                                   PromptButtons::OkCancel,
                                   PromptIcon::Warning) != PromptAnswer::Ok)
            return false;
        ctx.m_doc.SetModifiedFlag(false);
    }
    return AskSaveChanges(ctx);
}

std::string OpenProblem(const std::string& path) {
    const auto named = [&path](const std::string& reason) {
        return Tr("Model", ModelMessages::kFailedToOpen) + "\n\n" + path + ": " + reason;
    };
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return named(std::strerror(EISDIR));
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return named(std::strerror(errno));
    ::close(fd);
    const auto bytes = ReadWholeFile(path, kMaxZrtFileBytes);
    if (!bytes) return named(Tr("Document", DocumentMessages::kTooLargeOrUnreadable));
    ZrtConfig check;
    const ZrtReadResult result = DecodeZrt(*bytes, check);
    switch (result.m_status) {
        case ZrtStatus::BadVersion:
            return StrFormat(Tr("Model", ModelMessages::kBadVersion).c_str(), path.c_str(),
                             result.m_nVersion);
        case ZrtStatus::BadFormat:
            return named(Tr("Model", ModelMessages::kUnexpectedFormat));
        case ZrtStatus::Ok:
            break;
    }
    return {};
}

bool OpenDocumentFile(DocumentContext& ctx, const std::string& named) {
    const std::string path = FullPath(named);
    if (const std::string problem = OpenProblem(path); !problem.empty()) {
        ctx.m_prompter.Message(problem, PromptButtons::Ok, PromptIcon::Error);
        return false;
    }
    return ConfirmLeave(ctx) && OpenConfiguration(ctx, path);
}

bool ClearForNew(DocumentContext& ctx) {
    ctx.m_doc.ClearContents();
    ctx.m_doc.SetUntitled(Tr("Model", ModelMessages::kUntitled));
    ctx.m_doc.SetModifiedFlag(false);
    if (!ctx.m_pMain) return false;
    ctx.m_pMain->m_strPendingPassword.clear();
    ctx.m_pMain->m_bPasswordPending = false;
    return true;
}

DocumentSnapshot TakeSnapshot(const DocumentContext& ctx) {
    DocumentSnapshot s{ctx.m_doc, {}};
    if (const TreeItem root = ctx.m_tree.RootItem()) s.m_strRootLabel = ctx.m_tree.ItemText(root);
    return s;
}

void RestoreSnapshot(DocumentContext& ctx, const DocumentSnapshot& s) {
    ctx.m_doc = s.m_doc;
    if (const TreeItem root = ctx.m_tree.RootItem()) ctx.m_tree.SetItemText(root, s.m_strRootLabel);
}
