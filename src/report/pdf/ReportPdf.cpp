#include "report/pdf/ReportPdf.h"

#include <QPdfWriter>
#include <QSaveFile>

#include "lang/ShownText.h"
#include "model/Format.h"
#include "model/Translate.h"
#include "report/PrintReport.h"
#include "report/ReportMessages.h"
#include "report/pdf/PainterReportCanvas.h"

namespace {

// Fine enough that the report's whole-unit arithmetic places text exactly.
constexpr int kPdfResolution = 1200;

}  // namespace

bool WriteReportPdf(const CZRTProDoc& doc, const std::string& path, const QPageSize& paper,
                    const std::tm& time, Prompter& prompter, std::string& error) {
    QSaveFile file(QString::fromLocal8Bit(path.c_str()));
    if (!file.open(QIODevice::WriteOnly)) {
        error = StrFormat(Tr("Report", kReportPdfFailed).c_str(), path.c_str(),
                          file.errorString().toUtf8().constData());
        return false;
    }
    ReportResult result;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setPageSize(paper);
        writer.setCreator(QString::fromLatin1(kReportPdfCreator));
        writer.setTitle(ShownText(ReportHeading(doc)));
        PainterReportCanvas canvas(writer);
        ReportOptions options;
        options.m_time = time;
        result = PrintReport(doc, canvas, prompter, options);
    }
    if (result != ReportResult::Printed) {
        file.cancelWriting();
        error = StrFormat(
            Tr("Report", kReportPdfFailed).c_str(), path.c_str(),
            Tr("Report", result == ReportResult::FontFailed ? kReportPdfNoFont : kReportPdfNoStart)
                .c_str());
        return false;
    }
    if (!file.commit()) {
        error = StrFormat(Tr("Report", kReportPdfFailed).c_str(), path.c_str(),
                          file.errorString().toUtf8().constData());
        return false;
    }
    return true;
}
