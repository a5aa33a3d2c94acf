#include <iostream>
#include <string>

#include "cli/CliPrompter.h"
#include "cli/ShowCommand.h"
#include "model/ZrtFile.h"
#include "tree/BuildTree.h"
#include "tree/MemoryTree.h"

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int Usage() {
    std::cerr << "usage: zrtpro-cli show FILE.zrt\n";
    return kExitUsage;
}

int Show(const std::string& path) {
    CliPrompter prompter;
    CZRTProDoc doc;
    doc.SetPathName(path);
    if (!LoadZrtFile(doc, path, prompter)) return kExitFailed;
    MemoryTree tree;
    BuildTree(doc, tree, prompter, nullptr, true, -1, -1, doc.m_nCiuCount, doc.m_nPortCount);
    PrintConfiguration(doc, std::cout);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "show") return Show(argv[2]);
    return Usage();
}
