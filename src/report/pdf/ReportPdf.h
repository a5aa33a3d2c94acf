#pragma once

#include <QPageSize>
#include <ctime>
#include <string>

#include "model/CZRTProDoc.h"
#include "model/Prompter.h"

// Writes the printed report of `doc` as a PDF file on paper of `paper` size.
// The file is replaced only when the whole report was written; on failure
// `error` says why and any earlier file at `path` is left as it was.
bool WriteReportPdf(const CZRTProDoc& doc, const std::string& path, const QPageSize& paper,
                    const std::tm& time, Prompter& prompter, std::string& error);
