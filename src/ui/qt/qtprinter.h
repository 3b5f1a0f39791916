#pragma once

#include "ui/services.h"

#include <QFont>
#include <QString>
#include <memory>

class QPainter;
class QPrinter;

namespace ui::qt {

// The default printer through QPrinter and QPainter. Positions and widths are twips from the
// top left of the printable area, mapped through the printer's own resolution
// (pixels = twips × dpi / 1440), so a page comes out the same size on any printer.
//
// A clinic without an installed printer still gets its receipt: the page is written as a PDF
// file in the folder "Utskrifter" beside the program, named after the document
// ("Kvitto 123.pdf"), and the outcome names the file. An existing file is never overwritten; a
// second printout of the same name gets " (2)" and so on.
class QtPrinter : public Printer {
public:
    enum class Target {
        DefaultPrinter, // the system's default printer, or a PDF when none is installed
        Pdf,            // always a PDF (tests, and machines that should not print)
    };
    explicit QtPrinter(QString programFolder, Target target = Target::DefaultPrinter);
    ~QtPrinter() override;

    void beginDocument(const QString& documentName) override;
    int scaleWidth() const override;
    int textWidth(const QString& text) const override;
    void setCurrentX(int twips) override { m_x = twips; }
    void setCurrentY(int twips) override { m_y = twips; }
    void setFontSize(double points) override { m_size = points; }
    void setFontBold(bool on) override { m_bold = on; }
    void setFontUnderline(bool on) override { m_underline = on; }
    void printLine(const QString& text) override;
    PrintOutcome endDocument() override;

    // The height of one line in the current font, and the position the next line prints at, in
    // twips.
    int lineHeight() const;
    int currentX() const { return m_x; }
    int currentY() const { return m_y; }
    // Where a PDF would go for `documentName` now (the folder and a name not yet taken).
    QString pdfPathFor(const QString& documentName) const;

private:
    QPrinter& device() const;
    bool startPage();
    QFont font() const;
    double dpi() const;
    void reset();
    // Forgets the document's printer, painter, file and error and goes back to the page's top
    // left; the font set by the window stays until the next document.
    void dropDocument();

    QString m_folder;
    Target m_target;
    mutable std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QString m_documentName;
    QString m_pdfPath;
    QString m_error;
    bool m_toPdf = false;
    int m_x = 0;
    int m_y = 0;
    double m_size = 10;
    bool m_bold = false;
    bool m_underline = false;
};

} // namespace ui::qt
