#pragma once

#include <string>
#include <vector>

#include "support/RunProgram.h"

// The text of each page of a PDF file, as pdftotext reads it back.
inline std::vector<std::string> PdfPages(const std::string& pdf) {
    const ProgramRun run = RunProgram("pdftotext -layout '" + pdf + "' -");
    std::vector<std::string> pages;
    std::string page;
    for (char c : run.m_strOut) {
        if (c == '\f') {
            pages.push_back(page);
            page.clear();
        } else {
            page += c;
        }
    }
    return pages;
}
