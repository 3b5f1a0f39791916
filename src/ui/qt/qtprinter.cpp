#include "ui/qt/qtprinter.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

namespace ui::qt {

namespace {
constexpr double TwipsPerInch = 1440.0;
const QString PdfFolderName = QStringLiteral("Utskrifter");

// A document name as a file name: characters that no file system takes become "_".
QString fileNameOf(const QString& documentName)
{
    QString name = documentName.trimmed();
    for (QChar& c : name)
        if (QStringLiteral("\\/:*?\"<>|").contains(c) || c.unicode() < 32)
            c = u'_';
    return name.isEmpty() ? QStringLiteral("Utskrift") : name;
}
} // namespace

QtPrinter::QtPrinter(QString programFolder, Target target)
    : m_folder(std::move(programFolder)), m_target(target)
{
}

QtPrinter::~QtPrinter()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

void QtPrinter::reset()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
    dropDocument();
    m_size = 10;
    m_bold = false;
    m_underline = false;
}

void QtPrinter::beginDocument(const QString& documentName)
{
    reset();
    m_documentName = documentName;
}

QPrinter& QtPrinter::device() const
{
    if (!m_printer) {
        auto* self = const_cast<QtPrinter*>(this);
        self->m_toPdf = m_target == Target::Pdf || QPrinterInfo::availablePrinters().isEmpty();
        if (m_toPdf) {
            m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            m_printer->setOutputFormat(QPrinter::PdfFormat);
        } else {
            // The system's default printer; a machine with printers but none marked default
            // uses the first.
            QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
            if (chosen.isNull())
                chosen = QPrinterInfo::availablePrinters().constFirst();
            m_printer = std::make_unique<QPrinter>(chosen, QPrinter::HighResolution);
        }
        m_printer->setDocName(m_documentName);
    }
    return *m_printer;
}

double QtPrinter::dpi() const
{
    return device().resolution();
}

QFont QtPrinter::font() const
{
    QFont f;
    f.setPointSizeF(m_size);
    f.setBold(m_bold);
    f.setUnderline(m_underline);
    return f;
}

int QtPrinter::scaleWidth() const
{
    const QRectF printable = device().pageRect(QPrinter::DevicePixel);
    return int(std::lround(printable.width() * TwipsPerInch / dpi()));
}

int QtPrinter::textWidth(const QString& text) const
{
    const QFontMetricsF metrics(font(), &device());
    return int(std::lround(metrics.horizontalAdvance(text) * TwipsPerInch / dpi()));
}

int QtPrinter::lineHeight() const
{
    const QFontMetricsF metrics(font(), &device());
    return int(std::lround(metrics.height() * TwipsPerInch / dpi()));
}

QString QtPrinter::pdfPathFor(const QString& documentName) const
{
    const QDir folder(QDir(m_folder).filePath(PdfFolderName));
    const QString base = fileNameOf(documentName);
    QString path = folder.filePath(base + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder.filePath(QStringLiteral("%1 (%2).pdf").arg(base).arg(n));
    return path;
}

// The page is started at the first line printed, so a document with nothing on it gives no
// page and no file.
bool QtPrinter::startPage()
{
    if (m_painter)
        return m_painter->isActive();
    QPrinter& printer = device();
    if (m_toPdf) {
        const QString folder = QDir(m_folder).filePath(PdfFolderName);
        if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
            m_error = QStringLiteral("Ingen skrivare finns, och mappen %1 för utskrifter kunde "
                                     "inte skapas.")
                          .arg(QDir::toNativeSeparators(folder));
            m_painter = std::make_unique<QPainter>();
            return false;
        }
        m_pdfPath = pdfPathFor(m_documentName);
        printer.setOutputFileName(m_pdfPath);
    }
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&printer)) {
        m_error = m_toPdf ? QStringLiteral("Utskriften kunde inte skrivas till filen %1.")
                                .arg(QDir::toNativeSeparators(m_pdfPath))
                          : QStringLiteral("Skrivaren %1 kunde inte startas.").arg(printer.printerName());
        return false;
    }
    m_painter->setPen(Qt::black);
    return true;
}

void QtPrinter::printLine(const QString& text)
{
    if (startPage()) {
        m_painter->setFont(font());
        const QFontMetricsF metrics(m_painter->font(), &device());
        const double scale = dpi() / TwipsPerInch;
        // The text's top stands at the current position, as the windows lay out their pages.
        const QPointF baseline(m_x * scale, m_y * scale + metrics.ascent());
        m_painter->drawText(baseline, text);
    }
    m_x = 0;
    m_y += lineHeight();
}

PrintOutcome QtPrinter::endDocument()
{
    PrintOutcome outcome;
    if (m_painter && m_painter->isActive()) {
        if (!m_painter->end() || device().printerState() == QPrinter::Error)
            m_error = m_toPdf ? QStringLiteral("Utskriften kunde inte skrivas till filen %1.")
                                    .arg(QDir::toNativeSeparators(m_pdfPath))
                              : QStringLiteral("Utskriften misslyckades på skrivaren %1.")
                                    .arg(device().printerName());
        else if (m_toPdf && QFileInfo(m_pdfPath).size() <= 0)
            m_error = QStringLiteral("Utskriften kunde inte skrivas till filen %1.")
                          .arg(QDir::toNativeSeparators(m_pdfPath));
    }
    if (!m_error.isEmpty()) {
        outcome.ok = false;
        outcome.error = m_error;
        if (m_toPdf && !m_pdfPath.isEmpty())
            QFile::remove(m_pdfPath); // no half-written file is left to be taken for a receipt
    } else if (m_toPdf && m_painter) {
        outcome.pdfPath = m_pdfPath;
    }
    dropDocument();
    return outcome;
}

void QtPrinter::dropDocument()
{
    m_painter.reset();
    m_printer.reset();
    m_pdfPath.clear();
    m_error.clear();
    m_x = 0;
    m_y = 0;
}

} // namespace ui::qt
