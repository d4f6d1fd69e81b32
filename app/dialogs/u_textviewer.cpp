#include "app/dialogs/u_textviewer.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "text/file_io.h"
#include "text/gbk.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr int kViewerWidth = 760;
constexpr int kViewerHeight = 560;
const char* const kSaveAsTitle = "另存为";
const char* const kSaveAsFilter = "文本文件(*.txt)|*.txt|所有文件(*.*)|*.*";

bool isHtml(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == "htm" || suffix == "html";
}

}  // namespace

TextViewer::TextViewer(const QString& path, QWidget* parent) : QDialog(parent), path_(path) {
    setObjectName("f_textviewer");
    setWindowTitle(QFileInfo(path).fileName());
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    m_text = new QTextBrowser(this);
    m_text->setObjectName("m_text");
    m_text->setOpenLinks(false);
    const auto bytes = readFileBytes(toUtf8(path));
    const QString text = bytes ? fromUtf8(gbkToUtf8(*bytes)) : QStringLiteral("无法读取文件 ") + path;
    if (bytes && isHtml(path))
        m_text->setHtml(text);
    else
        m_text->setPlainText(text);
    layout->addWidget(m_text, 1);

    auto* buttons = new QHBoxLayout();
    const struct {
        QPushButton** button;
        const char* name;
        const char* caption;
    } buttonTable[] = {{&b_copy, "b_copy", "复制"}, {&b_saveas, "b_saveas", "另存为..."}, {&b_close, "b_close", "关闭"}};
    buttons->addStretch();
    for (const auto& b : buttonTable) {
        *b.button = new QPushButton(QString::fromUtf8(b.caption), this);
        (*b.button)->setObjectName(b.name);
        buttons->addWidget(*b.button);
    }
    layout->addLayout(buttons);
    connect(b_copy, &QPushButton::clicked, this, [this] {
        const QString selected = m_text->textCursor().selectedText();
        QApplication::clipboard()->setText(selected.isEmpty() ? m_text->toPlainText() : selected);
    });
    connect(b_saveas, &QPushButton::clicked, this, &TextViewer::saveAs);
    connect(b_close, &QPushButton::clicked, this, &QDialog::close);
    resize(kViewerWidth, kViewerHeight);
}

void TextViewer::saveAs() {
    const QString name =
        platform().files->saveFile(this, QString::fromUtf8(kSaveAsTitle), fileDialogFilter(kSaveAsFilter));
    if (name.isEmpty()) return;
    const auto bytes = readFileBytes(toUtf8(path_));
    const std::string error = bytes ? writeFileAtomically(toUtf8(name), *bytes) : "无法读取文件 " + toUtf8(path_);
    if (!error.empty()) showMessage(fromUtf8(error), this);
}

TextViewer* openTextDocument(const QString& path, QWidget* parent) {
    if (platform().shell->open(path)) return nullptr;
    auto* viewer = new TextViewer(path, parent);
    viewer->show();
    return viewer;
}

}  // namespace qorvel
