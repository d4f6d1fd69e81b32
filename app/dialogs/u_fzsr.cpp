#include "app/dialogs/u_fzsr.h"

#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "engine/custom_indicators.h"
#include "engine/indicator_menu.h"
#include "engine/tgs.h"
#include "ui/platform.h"

namespace qorvel {

namespace {

// The operators and functions of the formula language with their explanations.
const IndicatorMenuItem kOperatorItems[] = {
    {"+", "加"},      {"-", "减"},          {"*", "乘"},
    {"/", "取商"},    {"%", "取余"},        {"!", "截缩"},
    {">", "大于"},    {"<", "小于"},        {"=", "等于"},
    {"&", "与操作"},  {"#", "或操作"},      {"if", "条件函数"},
    {"abs", "取绝对值"}, {"max", "取最大值"}, {"mid", "取中间值"},
    {"min", "取最小值"}, {"getzf", "取某指标的振幅"}, {"getylz", "取某指标的遗漏值"},
    {"getylzzf", "取某指标的遗漏振幅"},
};

enum class PageSource { Menu, Operators, Saved };

struct PageDef {
    const char* caption;
    PageSource source;
    const char* menuTitle;  // the indicator menu page shown (Menu pages only)
};

// The pages of the dialog in order.
constexpr PageDef kPages[] = {
    {"常规", PageSource::Menu, "常规系列"},         {"和值系列", PageSource::Menu, "和值系列"},
    {"振幅系列", PageSource::Menu, "振幅系列"},     {"遗漏系列", PageSource::Menu, "遗漏系列"},
    {"线和线差", PageSource::Menu, "线和线差"},     {"运算符及函数", PageSource::Operators, nullptr},
    {"保存的自定义指标", PageSource::Saved, nullptr}, {"遗漏振幅", PageSource::Menu, "遗漏振幅"},
    {"振幅遗漏", PageSource::Menu, "振幅遗漏"},     {"尾数系列", PageSource::Menu, "尾数系列"},
};

QStringList menuLines(const char* title) {
    QStringList lines;
    for (const IndicatorMenuPage& page : indicatorMenuPages())
        if (page.title == title)
            for (const IndicatorMenuItem& item : page.items) lines << fromUtf8(item.text());
    return lines;
}

QStringList operatorLines() {
    QStringList lines;
    for (const IndicatorMenuItem& item : kOperatorItems) lines << fromUtf8(item.text());
    return lines;
}

class ListClickFilter : public QObject {
  public:
    ListClickFilter(QListWidget* list, bool singleClicks, std::function<void(QListWidget*)> handler)
        : QObject(list), list_(list), singleClicks_(singleClicks), handler_(std::move(handler)) {}

    bool eventFilter(QObject*, QEvent* event) override {
        const bool dbl = event->type() == QEvent::MouseButtonDblClick;
        const bool single = singleClicks_ && event->type() == QEvent::MouseButtonRelease;
        if ((dbl || single) && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) handler_(list_);
        return false;
    }

  private:
    QListWidget* list_;
    bool singleClicks_;
    std::function<void(QListWidget*)> handler_;
};

}  // namespace

void watchListClicks(QListWidget* list, bool singleClicks, std::function<void(QListWidget*)> handler) {
    list->viewport()->installEventFilter(new ListClickFilter(list, singleClicks, std::move(handler)));
}

std::optional<QString> selectedItemText(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    if (items.isEmpty()) return std::nullopt;
    return items.first()->text();
}

Tf_fzsr::Tf_fzsr(QWidget* parent) : QDialog(parent) {
    setObjectName("f_fzsr");
    setWindowTitle(QStringLiteral("辅助输入"));
    e_fzsr = new QLineEdit(this);
    e_fzsr->setObjectName("e_fzsr");
    pagecontrol1 = new QTabWidget(this);
    pagecontrol1->setObjectName("pagecontrol1");
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (const PageDef& page : kPages) {
        auto* list = new QListWidget(pagecontrol1);
        list->setFont(fixed);
        const QStringList lines = page.source == PageSource::Menu        ? menuLines(page.menuTitle)
                                  : page.source == PageSource::Operators ? operatorLines()
                                                                         : QStringList();
        list->addItems(lines);
        if (page.source == PageSource::Saved) {
            list->setObjectName("lb_save");
            lb_save = list;
        } else {
            list->setObjectName(QStringLiteral("lb_fzsr%1").arg(pagecontrol1->count() + 1));
        }
        watchListClicks(list, false, [this](QListWidget* l) { appendSelectedItem(l); });
        pagecontrol1->addTab(list, QString::fromUtf8(page.caption));
    }
    b_ok = new QPushButton(QStringLiteral("确定"), this);
    b_ok->setObjectName("b_ok");
    b_ok->setDefault(true);
    b_cancel = new QPushButton(QStringLiteral("取消"), this);
    b_cancel->setObjectName("b_cancel");
    connect(b_ok, &QPushButton::clicked, this, &Tf_fzsr::accept);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* heads = new QHBoxLayout;
    heads->addWidget(new QLabel(QStringLiteral("运算符及指标名"), this), 1);
    heads->addWidget(new QLabel(QStringLiteral("中文解释"), this), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(b_ok);
    buttons->addWidget(b_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("公式输入："), this));
    layout->addWidget(e_fzsr);
    layout->addWidget(new QLabel(QStringLiteral("辅助列表（双击可自动将指标代码填入上面的文本框）："), this));
    layout->addLayout(heads);
    layout->addWidget(pagecontrol1, 1);
    layout->addLayout(buttons);
    resize(720, 520);
}

QListWidget* Tf_fzsr::pageList(const QString& caption) const {
    for (int i = 0; i < pagecontrol1->count(); ++i)
        if (pagecontrol1->tabText(i) == caption) return static_cast<QListWidget*>(pagecontrol1->widget(i));
    return nullptr;
}

QWidget* Tf_fzsr::operatorPage() const {
    return pageList(QStringLiteral("运算符及函数"));
}

// The saved list is read again on every opening, since the indicator pages may have changed the file.
// The operator page and the focus are set on every opening, whether or not the file exists.
void Tf_fzsr::reloadSavedIndicators() {
    lb_save->clear();
    for (const std::string& line : loadIndicatorLines(workspace().ProgramFolder)) lb_save->addItem(fromUtf8(line));
}

std::optional<QString> Tf_fzsr::buildFormula(const QString& initial) {
    reloadSavedIndicators();
    e_fzsr->setText(initial);
    pagecontrol1->setCurrentWidget(operatorPage());
    e_fzsr->setFocus();
    result_.clear();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return result_;
}

bool Tf_fzsr::fillLineEdit(QLineEdit* target) {
    const std::optional<QString> formula = buildFormula();
    if (!formula) return false;
    target->setText(*formula);
    return true;
}

void Tf_fzsr::appendSelectedItem(QListWidget* list) {
    const std::optional<QString> text = selectedItemText(list);
    if (!text) {
        showMessage(QStringLiteral("请在列表框中双击你要输入的内容"), this);
        return;
    }
    e_fzsr->setText(e_fzsr->text() + fromUtf8(parseMenuLine(toUtf8(*text)).expression));
    e_fzsr->setCursorPosition(static_cast<int>(e_fzsr->text().size()));
}

void Tf_fzsr::accept() {
    const QString formula = e_fzsr->text().trimmed();
    e_fzsr->setText(formula);
    std::string message;
    if (!checkFormulaText(toUtf8(formula), &message)) {
        showMessage(fromUtf8(message), this);
        return;
    }
    result_ = formula;
    QDialog::accept();
}

Tf_fzsr& assistedInputDialog() {
    static Tf_fzsr* fallback = nullptr;
    if (f_fzsr) return *f_fzsr;
    if (!fallback) fallback = new Tf_fzsr();
    return *fallback;
}

}  // namespace qorvel
