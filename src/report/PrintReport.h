#pragma once

#include <ctime>
#include <string>

#include "model/CZRTProDoc.h"
#include "model/Prompter.h"
#include "report/ReportCanvas.h"

struct ReportOptions {
    std::tm m_time{};      // printed in the header's date line
    int m_nFirstPage = 1;  // pages outside first..last are laid out but not drawn
    int m_nLastPage = 0;   // 0: to the end
};

enum class ReportResult { Printed, JobNotStarted, FontFailed };

// Prints the document's configuration listing on the canvas. A job the device
// refuses ends without a message; a font it cannot make is reported through
// `prompter` and the job is abandoned. The document is not changed.
ReportResult PrintReport(const CZRTProDoc& doc, ReportCanvas& canvas, Prompter& prompter,
                         const ReportOptions& options);

// The header's document line: the path, or "Unsaved file", marked when modified.
std::string ReportTitle(const CZRTProDoc& doc);

// The report's first line, "NEXIL Program Data For: " and the title; a PDF of
// the report carries it as its document title.
std::string ReportHeading(const CZRTProDoc& doc);

std::tm CurrentLocalTime();
