#include "app/dialogs/tdsh/u_searchgs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/dialogs/tdsh/indicator_items.h"
#include "killbanker/forecast_scope.h"
#include "killbanker/scheme_generator.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr const char* kCaption = "公式搜索";
constexpr const char* kStartCaption = "开始搜索";
constexpr const char* kStopCaption = "停止搜索";
constexpr int kTickMs = 10;
constexpr int kWrongRunChoices = 20;
constexpr int kDefaultWrongRunIndex = 2;  // 3

QLineEdit* makeEdit(QWidget* parent, const char* name, const char* text = "", bool readOnly = false) {
    auto* e = new QLineEdit(QString::fromUtf8(text), parent);
    e->setObjectName(name);
    e->setReadOnly(readOnly);
    return e;
}

QLabel* label(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

}  // namespace

Tf_searchgs::Tf_searchgs(QWidget* parent) : QDialog(parent) {
    setObjectName("f_searchgs");
    setWindowTitle(QString::fromUtf8(kCaption));
    buildControls();
    layOut();
    timer_ = new QTimer(this);
    timer_->setInterval(kTickMs);
    connect(timer_, &QTimer::timeout, this, &Tf_searchgs::tick);
    connect(b_beginss, &QPushButton::clicked, this, &Tf_searchgs::toggleSearch);
    connect(b_apply, &QPushButton::clicked, this, &QDialog::accept);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Tf_searchgs::buildControls() {
    cb_gszb = new QComboBox(this);
    cb_gszb->setObjectName("cb_gszb");
    fillIndicatorCombo(cb_gszb);
    e_hsqs = makeEdit(this, "e_hsqs", "6");
    e_qzfrom = makeEdit(this, "e_qzfrom", "1");
    e_qzto = makeEdit(this, "e_qzto", "10");
    e_mbzql = makeEdit(this, "e_mbzql", "80");
    e_mbzqlto = makeEdit(this, "e_mbzqlto", "100");
    cb_ssfw_from = new QComboBox(this);
    cb_ssfw_from->setObjectName("cb_ssfw_from");
    cb_ssfw_to = new QComboBox(this);
    cb_ssfw_to->setObjectName("cb_ssfw_to");
    cb_contwrong = new QCheckBox(QStringLiteral("允许最大连错"), this);
    cb_contwrong->setObjectName("cb_contwrong");
    combo_contwrong = new QComboBox(this);
    combo_contwrong->setObjectName("combo_contwrong");
    for (int n = 1; n <= kWrongRunChoices; ++n) combo_contwrong->addItem(QString::number(n));
    combo_contwrong->setCurrentIndex(kDefaultWrongRunIndex);
    cb_quick = new QCheckBox(QStringLiteral("加速"), this);
    cb_quick->setObjectName("cb_quick");
    cb_quick->setChecked(true);
    e_xdzql = makeEdit(this, "e_xdzql", "", true);
    e_ssgs = makeEdit(this, "e_ssgs", "", true);
    e_contwrong = makeEdit(this, "e_contwrong", "", true);
    l_tested = new QLabel(this);
    l_tested->setObjectName("l_tested");
    b_beginss = new QPushButton(QString::fromUtf8(kStartCaption), this);
    b_beginss->setObjectName("b_beginss");
    b_apply = new QPushButton(QStringLiteral("应用"), this);
    b_apply->setObjectName("b_apply");
    b_cancel = new QPushButton(QStringLiteral("取消"), this);
    b_cancel->setObjectName("b_cancel");
    for (QPushButton* b : {b_beginss, b_apply, b_cancel}) b->setAutoDefault(false);
    for (QLineEdit* e : {e_hsqs, e_qzfrom, e_qzto, e_mbzql, e_mbzqlto}) e->setMaximumWidth(60);
}

void Tf_searchgs::layOut() {
    auto* grid = new QGridLayout;
    int r = 0;
    grid->addWidget(label("公式所用指标：", this), r, 0);
    grid->addWidget(cb_gszb, r++, 1, 1, 4);
    grid->addWidget(label("回溯期数：", this), r, 0);
    grid->addWidget(e_hsqs, r++, 1);
    grid->addWidget(e_qzfrom, r, 1);
    grid->addWidget(label("=<取值范围<=", this), r, 2);
    grid->addWidget(e_qzto, r++, 3);
    grid->addWidget(e_mbzql, r, 1);
    grid->addWidget(label("<=目标准确率<=", this), r, 2);
    grid->addWidget(e_mbzqlto, r, 3);
    grid->addWidget(label("%", this), r++, 4);
    grid->addWidget(cb_ssfw_from, r, 1);
    grid->addWidget(label("=<搜索范围<=", this), r, 2);
    grid->addWidget(cb_ssfw_to, r, 3);
    grid->addWidget(label("期", this), r++, 4);
    grid->addWidget(cb_contwrong, r, 1, 1, 2);
    grid->addWidget(combo_contwrong, r, 3);
    grid->addWidget(cb_quick, r++, 4);
    grid->addWidget(label("新的准确率：", this), r, 0);
    grid->addWidget(e_xdzql, r++, 1, 1, 4);
    grid->addWidget(label("搜索到的公式：", this), r, 0);
    grid->addWidget(e_ssgs, r++, 1, 1, 4);
    grid->addWidget(e_contwrong, r++, 1, 1, 4);
    grid->addWidget(l_tested, r++, 1, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {b_beginss, b_apply, b_cancel}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

std::optional<QString> Tf_searchgs::searchFor(KillPage page, const std::string& target) {
    page_ = page;
    target_ = target;
    prepareOpening();
    if (exec() != QDialog::Accepted || !search_.accepted()) return std::nullopt;
    return e_ssgs->text();
}

// Opening: the results are cleared, a temporary row left in the history goes, the issue lists are rebuilt
// and the default range chosen; the other inputs keep what they were.
void Tf_searchgs::prepareOpening() {
    for (QLineEdit* e : {e_xdzql, e_ssgs, e_contwrong}) e->clear();
    l_tested->clear();
    setWindowTitle(QString::fromUtf8(kCaption));
    fillSearchRange(cb_ssfw_from, cb_ssfw_to);
    b_apply->setEnabled(false);
}

bool Tf_searchgs::searching() const { return timer_->isActive(); }

void Tf_searchgs::toggleSearch() {
    if (searching()) stopSearch(QString::fromUtf8(kCaption));
    else startSearch();
}

bool Tf_searchgs::readSettings(FormulaSearchSettings& s) {
    s.page = page_;
    s.target = target_;
    s.shape.indicator = indicatorOfItem(cb_gszb->currentText()).toStdString();
    if (!readWholeNumber(e_hsqs->text(), s.shape.depth, this) || !readWholeNumber(e_qzfrom->text(), s.shape.lo, this) ||
        !readWholeNumber(e_qzto->text(), s.shape.hi, this) || !readDecimal(e_mbzql->text(), s.rateFrom, this) ||
        !readDecimal(e_mbzqlto->text(), s.rateTo, this))
        return false;
    s.firstIssue = cb_ssfw_from->currentText().toInt();
    s.lastIssue = cb_ssfw_to->currentText().toInt();
    s.limitWrongRun = cb_contwrong->isChecked();
    s.maxWrongRun = combo_contwrong->currentIndex() + 1;
    s.accelerated = cb_quick->isChecked();
    s.seed = fixedSeed ? *fixedSeed : clockSeed();
    return true;
}

void Tf_searchgs::startSearch() {
    FormulaSearchSettings settings;
    if (!readSettings(settings)) return;
    if (const std::string error = search_.start(workspace(), settings); !error.empty()) {
        showMessage(QString::fromStdString(error), this);
        return;
    }
    for (QLineEdit* e : {e_xdzql, e_ssgs, e_contwrong}) e->clear();
    setInputsEnabled(false);
    b_apply->setEnabled(false);
    b_beginss->setText(QString::fromUtf8(kStopCaption));
    setWindowTitle(QString::fromUtf8(kSearchingCaption));
    timer_->start();
}

void Tf_searchgs::stopSearch(const QString& caption) {
    timer_->stop();
    setInputsEnabled(true);
    b_beginss->setText(QString::fromUtf8(kStartCaption));
    setWindowTitle(caption);
}

void Tf_searchgs::tick() {
    const SearchStepResult step = search_.step(kSearchStepBudget);
    l_tested->setText(QStringLiteral("已测试公式：%1").arg(search_.candidatesTested()));
    if (!step.error.empty()) {
        // Every candidate reads the same indicator, so one that fails means all will: stop and say why.
        stopSearch(QString::fromUtf8(kCaption));
        showMessage(QString::fromStdString(step.error), this);
        return;
    }
    if (!step.accepted) return;
    e_xdzql->setText(QString::fromStdString(searchRateText(search_.rate())));
    e_ssgs->setText(QString::fromStdString(search_.formula()));
    if (cb_contwrong->isChecked()) e_contwrong->setText(QString::fromStdString(search_.longestWrongText()));
    stopSearch(QString::fromUtf8(kFinishedCaption));
    b_apply->setEnabled(true);
}

void Tf_searchgs::setInputsEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{cb_gszb, e_hsqs, e_qzfrom, e_qzto, e_mbzql, e_mbzqlto, cb_ssfw_from,
                                                      cb_ssfw_to, cb_contwrong, combo_contwrong, cb_quick, b_cancel})
        w->setEnabled(enabled);
}

// Closing the window by any means ends a running search.
void Tf_searchgs::done(int result) {
    if (searching()) stopSearch(QString::fromUtf8(kCaption));
    QDialog::done(result);
}

Tf_searchgs& formulaSearch() {
    if (!f_searchgs) f_searchgs = new Tf_searchgs();
    return *f_searchgs;
}

}  // namespace qorvel
