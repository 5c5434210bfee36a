#ifndef PDFPRINTING_H
#define PDFPRINTING_H

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Printing to a PDF file in place of the print preview, and reading the file back with the
// poppler tools (installed by scripts/setup.sh).

// The printer the preview hands over, set up as the graph view sets up its own.
inline void preparePdfPrinter(QPrinter &n_printer, const QString &n_file)
{
    n_printer.setOutputFormat(QPrinter::PdfFormat);
    n_printer.setOutputFileName(n_file);
    n_printer.setPageOrientation(QPageLayout::Landscape);
    n_printer.setPageSize(QPageSize(QPageSize::A4));
    n_printer.setFullPage(true);
}

// The program's standard output; empty when it fails.
inline QString runTool(const QString &n_program, const QStringList &n_arguments)
{
    QProcess process;
    process.start(n_program, n_arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The pages of a PDF file; -1 when it does not read as one.
inline int pdfPageCount(const QString &n_file)
{
    const QString info = runTool(QStringLiteral("pdfinfo"), {n_file});
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                                             QRegularExpression::MultilineOption)
                                              .match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

#endif // PDFPRINTING_H
