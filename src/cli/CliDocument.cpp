#include "cli/CliDocument.h"

#include "model/FileIo.h"
#include "model/ZrtFile.h"
#include "tree/BuildTree.h"

bool CliDocument::Open(const std::string& named) {
    // Messages and the report name the file by its full path.
    const std::string path = FullPath(named);
    if (!LoadZrtFile(m_doc, path, m_prompter)) return false;
    m_doc.SetPathName(path);
    BuildTree(m_doc, m_tree, m_prompter, nullptr, true, -1, -1, m_doc.m_nCiuCount,
              m_doc.m_nPortCount);
    return true;
}
