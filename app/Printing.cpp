#include "app/Printing.h"

#include "app/AppFolder.h"
#include "app/Clock.h"
#include "app/DateTexts.h"
#include "app/Forms.h"
#include "app/ResultsFile.h"
#include "app/notices/PrintFailed.h"
#include "app/notices/PrintedToFile.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace {

std::function<std::unique_ptr<QPrinter>()>& factory()
{
    static std::function<std::unique_ptr<QPrinter>()> current;
    return current;
}

std::unique_ptr<QPrinter> defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

} // namespace

namespace Printing {

bool printClientArea(QWidget* window, QPrinter& printer)
{
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const QSize client = window->size();
    const qreal scale = qMin(page.width() / client.width(), page.height() / client.height());
    painter.scale(scale, scale);
    window->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return painter.end();
}

Outcome printWindow(QWidget* window, const QString& documentName)
{
    Outcome outcome;
    std::unique_ptr<QPrinter> printer = factory() ? factory()() : defaultPrinter();
    if (!printer) {
        // No printer here: keep the page as a PDF in the results folder rather than lose it.
        const QString folder = AppFolder::resultsFolder();
        const QDateTime now = Clock::now();
        const QString suffix = QStringLiteral(" - %1 %2.pdf").arg(dateText(now.date()), timeText(now.time()));
        outcome.pdfPath = QDir(folder).filePath(safeNamePart(documentName, 200) + suffix);
        if (QDir().mkpath(folder)) {
            printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(outcome.pdfPath);
        }
    }
    if (printer) {
        printer->setDocName(documentName);
        printer->setResolution(300);
    }
    const bool ok = printer && printClientArea(window, *printer);
    if (!ok) {
        outcome.result = Result::Failed;
        Forms::show<PrintFailed>();
    } else if (!outcome.pdfPath.isEmpty()) {
        outcome.result = Result::SavedAsPdf;
        Forms::show<PrintedToFile>()->setFilePath(outcome.pdfPath);
    } else {
        outcome.result = Result::Printed;
    }
    return outcome;
}

void setPrinterFactory(std::function<std::unique_ptr<QPrinter>()> f)
{
    factory() = std::move(f);
}

}
