#include "report/PrintReport.h"

#include "model/Format.h"
#include "model/Translate.h"
#include "report/ReportDate.h"
#include "report/ReportGeometry.h"
#include "report/ReportLayout.h"
#include "report/ReportMessages.h"

std::string ReportTitle(const CZRTProDoc& doc) {
    std::string title =
        doc.GetPathName().empty() ? Tr("Report", kReportUnsavedFile) : doc.GetPathName();
    if (doc.IsModified()) title += kReportModifiedMark;
    return title;
}

std::string ReportHeading(const CZRTProDoc& doc) {
    return StrFormat(Tr("Report", kReportHeader).c_str(), ReportTitle(doc).c_str());
}

std::tm CurrentLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

ReportResult PrintReport(const CZRTProDoc& doc, ReportCanvas& canvas, Prompter& prompter,
                         const ReportOptions& options) {
    canvas.SetPortrait();
    const ReportPageMetrics page = canvas.PageMetrics();
    if (!canvas.StartJob(Tr("Report", kReportJobName))) return ReportResult::JobNotStarted;
    if (!canvas.SelectFont(kReportFontFace, kReportFontPoints)) {
        prompter.Message(StrFormat(Tr("Report", kReportFontFailed).c_str(), kReportFontFace),
                         PromptButtons::Ok, PromptIcon::Error,
                         Tr("Report", kReportFontFailedCaption));
        canvas.AbortJob();
        return ReportResult::FontFailed;
    }
    const ReportGeometry geometry =
        ComputeReportGeometry(page, canvas.CharHeight(), canvas.AverageCharWidth());
    ReportLayout layout(doc, geometry, canvas);
    layout.SetHeader(ReportTitle(doc), ReportDateTime(options.m_time));
    layout.SetPageRange(options.m_nFirstPage, options.m_nLastPage);
    layout.Run();
    canvas.EndJob();
    return ReportResult::Printed;
}
