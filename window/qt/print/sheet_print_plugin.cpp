// The plugin that prints the calculation sheet and writes it as a PDF: the program's only use
// of Qt Print Support.
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRawFont>
#include <QRegularExpression>
#include <QTextDocument>

#include "qt_compat.h"
#include "sheet_printer.h"

namespace quotara {
namespace {

void setUpPage(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
}

// Kangxi radicals and CJK radicals supplement: code points that CJK fonts often map to the
// glyph of an ideograph that looks the same.
constexpr char16_t kFirstRadical = 0x2E80;
constexpr char16_t kLastRadical = 0x2FDF;

// Each radical that shares its glyph in `font` with a character of `text`, and that character.
QHash<char16_t, char16_t> charactersBehindRadicals(const QFont& font, const QString& text) {
    const QRawFont raw = QRawFont::fromFont(font);
    QHash<quint32, char16_t> byGlyph;
    for (const QChar c : text) {
        if (c.unicode() < kFirstRadical || c.unicode() > kLastRadical) {
            byGlyph.insert(raw.glyphIndexesForString(QString(c)).value(0), c.unicode());
        }
    }
    QHash<char16_t, char16_t> behind;
    for (char16_t radical = kFirstRadical; radical <= kLastRadical; ++radical) {
        const quint32 glyph = raw.glyphIndexesForString(QString(QChar(radical))).value(0);
        if (glyph != 0 && byGlyph.contains(glyph)) {
            behind.insert(radical, byGlyph.value(glyph));
        }
    }
    return behind;
}

// Qt writes each embedded font's ToUnicode map from the lowest code point the font maps to each
// glyph. Noto CJK shares one glyph between some ideographs and the radicals that look the same
// (用 U+7528 and ⽤ U+2F64), so a PDF's text would copy and search as radicals. This puts the
// characters drawn back into the maps, in place: each code is four hex digits either way, so
// no offset in the file moves. False only when the file cannot be rewritten.
bool restoreCharacters(const QString& path, const QHash<char16_t, char16_t>& behindRadicals) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        return false;
    }
    QByteArray pdf = file.readAll();
    // A range's destinations: an array of codes, or one code that counts up when the range
    // spans several glyphs (and is then left alone).
    static const QRegularExpression range(QStringLiteral(
        "<([0-9A-F]{4})> <([0-9A-F]{4})> (\\[(?:<[0-9A-F]{4}> )*\\]|<[0-9A-F]{4}>)"));
    static const QRegularExpression code(QStringLiteral("<([0-9A-F]{4})>"));
    bool changed = false;
    qt_compat::StringSize from = 0;
    while ((from = pdf.indexOf("/CMapName /Adobe-Identity-UCS def", from)) >= 0) {
        const qt_compat::StringSize end = pdf.indexOf("endcmap", from);
        if (end < 0) {
            break;
        }
        const QString map = QString::fromLatin1(pdf.mid(from, end - from));
        // Iterated by hand: Qt 5's match iterator has no begin() and end().
        for (auto ranges = range.globalMatch(map); ranges.hasNext();) {
            const QRegularExpressionMatch match = ranges.next();
            if (!match.captured(3).startsWith(u'[') && match.captured(1) != match.captured(2)) {
                continue;
            }
            for (auto codes = code.globalMatch(match.captured(3)); codes.hasNext();) {
                const QRegularExpressionMatch target = codes.next();
                const auto radical =
                    static_cast<char16_t>(target.captured(1).toUShort(nullptr, 16));
                if (!behindRadicals.contains(radical)) {
                    continue;
                }
                const QByteArray hex = QByteArray::number(behindRadicals.value(radical), 16)
                                           .toUpper()
                                           .rightJustified(4, '0');
                pdf.replace(from + match.capturedStart(3) + target.capturedStart(1), 4, hex);
                changed = true;
            }
        }
        from = end;
    }
    return !changed || (file.seek(0) && file.write(pdf) == pdf.size());
}

// Lays the sheet out at the printer's resolution, so that point sizes come out true, and
// paints it from the page's top-left corner. The sheet is far shorter than a page.
bool paintSheet(QPrinter& printer, const QString& html, const QFont& font) {
    QTextDocument document;
    // Shaped Latin text gets Noto CJK's localised digits, glyphs no code point maps to, which
    // a PDF's text would then lack (a version "1.23" reads "."). The sheet's texts need
    // no shaping: unshaped, every glyph is one the font maps a character to.
    QFont unshaped = font;
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    document.setDefaultFont(unshaped);
    // Qt 5.15.2 sizes a table's columns below their texts' width, which then break after
    // every ideograph; a cell's text on one line is what a reader expects anyway.
    document.setDefaultStyleSheet(QStringLiteral("th, td { white-space: nowrap }"));
    document.setHtml(html);
    // The print job and the PDF are named by the sheet's own title.
    printer.setDocName(document.metaInformation(QTextDocument::DocumentTitle));
    document.documentLayout()->setPaintDevice(&printer);
    document.setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    document.drawContents(&painter);
    if (!painter.end()) {
        return false;
    }
    // Also a PDF printed to a file from the print dialog.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        return restoreCharacters(printer.outputFileName(),
                                 charactersBehindRadicals(unshaped, document.toPlainText()));
    }
    return true;
}

class SheetPrintPlugin final : public QObject, public SheetPrinter {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QUOTARA_SHEET_PRINTER_IID)
    Q_INTERFACES(quotara::SheetPrinter)

  public:
    void preview(QWidget* parent, const QString& html, const QFont& font) override {
        QPrinter printer(QPrinter::HighResolution);
        setUpPage(printer);
        QPrintPreviewDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("打印计算表"));
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&html, &font](QPrinter* target) { paintSheet(*target, html, font); });
        dialog.exec();
    }

    bool writePdf(const QString& html, const QFont& font, const QString& path) override {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setFontEmbeddingEnabled(true);
        printer.setOutputFileName(path);
        setUpPage(printer);
        return paintSheet(printer, html, font);
    }
};

}  // namespace
}  // namespace quotara

#include "sheet_print_plugin.moc"
