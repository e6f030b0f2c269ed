#pragma once
// Printing a window's client area on one page, without a dialog.
#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace Printing {

enum class Result { Printed, SavedAsPdf, Failed };

struct Outcome {
    Result result = Result::Failed;
    QString pdfPath; // where the page went when there was no printer
};

// Draws the client area of `window` onto one page of `printer`, scaled to fit, pictures as vectors.
bool printClientArea(QWidget* window, QPrinter& printer);

// Prints on the default printer; with none, writes a PDF named after `documentName` into the
// results folder. Shows a notice when the page went to a file or could not be printed.
Outcome printWindow(QWidget* window, const QString& documentName);

// Tests hand in their own printer (for example one that writes a PDF file); a factory that
// returns nullptr stands for a machine without a printer.
void setPrinterFactory(std::function<std::unique_ptr<QPrinter>()> factory);

}
