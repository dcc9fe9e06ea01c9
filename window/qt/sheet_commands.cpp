#include "sheet_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStandardPaths>
#include <array>

#include "appearance.h"
#include "layout.h"
#include "qt_compat.h"
#include "qt_text.h"

namespace quotara {

namespace {

LocalTime localTimeNow() {
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
            now.time().minute()};
}

// What each of the sheet's commands runs, in the order of kSheetCommands.
const std::array<void (SheetMenu::*)(), 3> kSheetRuns = {&SheetMenu::copy, &SheetMenu::print,
                                                         &SheetMenu::exportPdf};

}  // namespace

SheetMenu::SheetMenu(QWidget& form, const HandlerContext& context)
    : QObject(&form), form_(&form), context_(context) {
    for (std::size_t i = 0; i < kSheetCommands.size(); ++i) {
        const SheetCommand& row = kSheetCommands[i];
        auto* action = new QAction(
            toQString(row.caption) + (row.opensDialog ? QStringLiteral("…") : QString()), &form);
        action->setObjectName(QString::fromLatin1(row.id));
        // Portable text, as QKeySequence reads it on either Qt major.
        action->setShortcut(QKeySequence(QString::fromStdString(shortcutText(row))));
        // Added to the window, the shortcut works wherever the focus is in it.
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, kSheetRuns[i]);
        form.addAction(action);
    }
    form.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&form, &QWidget::customContextMenuRequested, this, &SheetMenu::showMenu);
}

void SheetMenu::showMenu(const QPoint& position) {
    // A disabled entry passes its right-click on to the window; it has no menu of its own, and
    // gets none of the window's either.
    for (QWidget* under = form_->childAt(position); under != nullptr;
         under = under->parentWidget()) {
        if (qobject_cast<QLineEdit*>(under) != nullptr) {
            return;
        }
    }
    QMenu menu(form_);
    menu.addActions(form_->actions());
    menu.exec(form_->mapToGlobal(position));
}

std::optional<CalculationSheet> SheetMenu::readSheet() {
    return sheetForCommand(context_, sheetDateTime(localTimeNow()));
}

SheetPrinter* SheetMenu::printer() {
    QString error;
    SheetPrinter* printer = loadSheetPrinter(error);
    if (printer == nullptr) {
        const QString message = QStringLiteral("无法加载打印组件，不能打印或导出 PDF。\n") + error;
        context_.messages.show(message.toStdU16String(), kWarningStyle, u"");
    }
    return printer;
}

void SheetMenu::copy() {
    const std::optional<CalculationSheet> sheet = readSheet();
    if (!sheet) {
        return;
    }
    auto* data = new QMimeData;
    data->setText(toQString(sheetAsTabSeparated(*sheet)));
    data->setHtml(toQString(sheetAsHtml(*sheet)));
    QGuiApplication::clipboard()->setMimeData(data);
}

void SheetMenu::print() {
    const std::optional<CalculationSheet> sheet = readSheet();
    if (!sheet) {
        return;
    }
    if (SheetPrinter* printer = this->printer()) {
        printer->preview(form_, toQString(sheetAsHtml(*sheet)), fontFor(kForm1.font));
        reactivate();
    }
}

void SheetMenu::exportPdf() {
    // The entries are read first: a typing mistake is shown before any file dialog.
    const std::optional<CalculationSheet> sheet = readSheet();
    if (!sheet) {
        return;
    }
    const QString proposed =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QStringLiteral("%1-%2.pdf")
                          .arg(toQString(kSheetTitle), toQString(sheetDate(localTimeNow()))));
    QFileDialog dialog(form_, toQString(sheetCommand(SheetCommandId::exportPdf).caption));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF 文件 (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(proposed);
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    reactivate();
    if (chosen) {
        writePdf(*sheet, dialog.selectedFiles().constFirst());
    }
}

void SheetMenu::reactivate() {
    // Some platforms leave the window inactive once a dialog over it has gone (Qt's offscreen
    // one does), and the keys the user goes on typing would reach nothing.
    if (form_ != nullptr && form_->isVisible()) {
        qt_compat::activate(*form_);
    }
}

bool SheetMenu::exportPdfTo(const QString& path) {
    const std::optional<CalculationSheet> sheet = readSheet();
    return sheet && writePdf(*sheet, path);
}

bool SheetMenu::writePdf(const CalculationSheet& sheet, const QString& path) {
    SheetPrinter* printer = this->printer();
    if (printer == nullptr) {
        return false;
    }
    if (!printer->writePdf(toQString(sheetAsHtml(sheet)), fontFor(kForm1.font), path)) {
        const QString message = QStringLiteral("无法写入文件“%1”。\n请另选一个可以保存的位置。")
                                    .arg(QDir::toNativeSeparators(path));
        context_.messages.show(message.toStdU16String(), kWarningStyle, u"");
        return false;
    }
    return true;
}

}  // namespace quotara
