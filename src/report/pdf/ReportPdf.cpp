#include "report/pdf/ReportPdf.h"

#include <QPdfWriter>
#include <QSaveFile>

#include "model/Format.h"
#include "model/ShownText.h"
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
        error =
            StrFormat(kReportPdfFailed, path.c_str(), file.errorString().toLocal8Bit().constData());
        return false;
    }
    ReportResult result;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setPageSize(paper);
        writer.setCreator(QString::fromLatin1(kReportPdfCreator));
        writer.setTitle(QString::fromUtf8(TextAsUtf8(ReportHeading(doc))));
        PainterReportCanvas canvas(writer);
        ReportOptions options;
        options.m_time = time;
        result = PrintReport(doc, canvas, prompter, options);
    }
    if (result != ReportResult::Printed) {
        file.cancelWriting();
        error =
            StrFormat(kReportPdfFailed, path.c_str(),
                      result == ReportResult::FontFailed ? kReportPdfNoFont : kReportPdfNoStart);
        return false;
    }
    if (!file.commit()) {
        error =
            StrFormat(kReportPdfFailed, path.c_str(), file.errorString().toLocal8Bit().constData());
        return false;
    }
    return true;
}
