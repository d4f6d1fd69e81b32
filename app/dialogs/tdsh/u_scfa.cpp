#include "app/dialogs/tdsh/u_scfa.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/dialogs/tdsh/indicator_items.h"
#include "killbanker/forecast_scope.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr const char* kStartCaption = "开始生成";
constexpr const char* kStopCaption = "停止生成";
constexpr int kTickMs = 10;
constexpr int kLimitChoices = 20;
constexpr int kFormulaChoices = 100;

QLineEdit* makeEdit(QWidget* parent, const char* name, const char* text = "") {
    auto* e = new QLineEdit(QString::fromUtf8(text), parent);
    e->setObjectName(name);
    return e;
}

// A combo of 1..last with `preset` chosen.
QComboBox* makeCount(QWidget* parent, const char* name, int last, int preset) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    for (int n = 1; n <= last; ++n) c->addItem(QString::number(n));
    c->setCurrentIndex(preset - 1);
    return c;
}

QCheckBox* makeCheck(QWidget* parent, const char* name, const char* caption) {
    auto* c = new QCheckBox(QString::fromUtf8(caption), parent);
    c->setObjectName(name);
    return c;
}

QLabel* label(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

}  // namespace

Tf_scfa::Tf_scfa(QWidget* parent) : QDialog(parent) {
    setObjectName("f_scfa");
    setWindowTitle(QString::fromUtf8(kGeneratorCaption));
    buildControls();
    layOut();
    timer_ = new QTimer(this);
    timer_->setInterval(kTickMs);
    connect(timer_, &QTimer::timeout, this, &Tf_scfa::tick);
    connect(b_begin, &QPushButton::clicked, this, &Tf_scfa::toggleRun);
    connect(b_apply, &QPushButton::clicked, this, &QDialog::accept);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(rb_sssc, &QRadioButton::toggled, this, &Tf_scfa::chooseMode);
}

void Tf_scfa::buildControls() {
    cb_gszb = new QComboBox(this);
    cb_gszb->setObjectName("cb_gszb");
    fillIndicatorCombo(cb_gszb);
    e_hsqs = makeEdit(this, "e_hsqs", "6");
    e_qzfrom = makeEdit(this, "e_qzfrom", "1");
    e_qzto = makeEdit(this, "e_qzto", "10");
    cb_ssfw_from = new QComboBox(this);
    cb_ssfw_from->setObjectName("cb_ssfw_from");
    cb_ssfw_to = new QComboBox(this);
    cb_ssfw_to->setObjectName("cb_ssfw_to");
    cb_quick = makeCheck(this, "cb_quick", "加速");
    cb_quick->setChecked(true);
    rb_sssc = new QRadioButton(QStringLiteral("搜索生成"), this);
    rb_sssc->setObjectName("rb_sssc");
    rb_sssc->setChecked(true);
    e_mbzqlfrom = makeEdit(this, "e_mbzqlfrom", "80");
    e_mbzqlto = makeEdit(this, "e_mbzqlto", "100");
    rb_randsc = new QRadioButton(QStringLiteral("随机生成"), this);
    rb_randsc->setObjectName("rb_randsc");
    cb_contwrong = makeCheck(this, "cb_contwrong", "方案中公式允许最大连错<=");
    combo_contwrong = makeCount(this, "combo_contwrong", kLimitChoices, 3);
    cb_fa_contwrong = makeCheck(this, "cb_fa_contwrong", "方案允许最大连错<=");
    combo_fa_contwrong = makeCount(this, "combo_fa_contwrong", kLimitChoices, 3);
    cb_gsgs = makeCount(this, "cb_gsgs", kFormulaChoices, 5);
    cb_fags_lastlc = makeCheck(this, "cb_fags_lastlc", "方案中公式最后连错的期数>=");
    combo_fags_lastlc = makeCount(this, "combo_fags_lastlc", kLimitChoices, 1);
    combo_fags_lastlc_gsgs = makeCount(this, "combo_fags_lastlc_gsgs", kFormulaChoices, 5);
    cb_wronggs_per_qs = makeCheck(this, "cb_wronggs_per_qs", "每一期同时发生错误的公式数<=");
    combo_wronggs_per_qs = makeCount(this, "combo_wronggs_per_qs", kLimitChoices, 1);
    combo_wronggs_gsgs = makeCount(this, "combo_wronggs_gsgs", kFormulaChoices, 5);
    pb1 = new QProgressBar(this);
    pb1->setObjectName("pb1");
    e_contwrong = makeEdit(this, "e_contwrong");
    e_contwrong->setReadOnly(true);
    e_contwrong->hide();
    b_begin = new QPushButton(QString::fromUtf8(kStartCaption), this);
    b_begin->setObjectName("b_begin");
    b_apply = new QPushButton(QStringLiteral("应用"), this);
    b_apply->setObjectName("b_apply");
    b_cancel = new QPushButton(QStringLiteral("取消"), this);
    b_cancel->setObjectName("b_cancel");
    for (QPushButton* b : {b_begin, b_apply, b_cancel}) b->setAutoDefault(false);
    for (QLineEdit* e : {e_hsqs, e_qzfrom, e_qzto, e_mbzqlfrom, e_mbzqlto}) e->setMaximumWidth(60);
}

void Tf_scfa::layOut() {
    auto* grid = new QGridLayout;
    int r = 0;
    grid->addWidget(label("公式所用指标：", this), r, 0);
    grid->addWidget(cb_gszb, r++, 1, 1, 4);
    grid->addWidget(label("回溯期数：", this), r, 0);
    grid->addWidget(e_hsqs, r, 1);
    grid->addWidget(cb_quick, r++, 3);
    grid->addWidget(e_qzfrom, r, 1);
    grid->addWidget(label("=<取值范围<=", this), r, 2);
    grid->addWidget(e_qzto, r++, 3);
    grid->addWidget(cb_ssfw_from, r, 1);
    grid->addWidget(label("=<搜索范围<=", this), r, 2);
    grid->addWidget(cb_ssfw_to, r++, 3);
    grid->addWidget(rb_sssc, r, 0);
    grid->addWidget(e_mbzqlfrom, r, 1);
    grid->addWidget(label("<=方案中公式的目标准确率<=", this), r, 2);
    grid->addWidget(e_mbzqlto, r++, 3);
    grid->addWidget(rb_randsc, r++, 0);
    grid->addWidget(cb_contwrong, r, 0, 1, 2);
    grid->addWidget(combo_contwrong, r++, 2);
    // The scheme-level constraints, each with the number of formulas it applies to.
    const struct {
        QCheckBox* box;
        QComboBox* limit;
        QComboBox* formulas;
    } rows[] = {{cb_fa_contwrong, combo_fa_contwrong, cb_gsgs},
                {cb_fags_lastlc, combo_fags_lastlc, combo_fags_lastlc_gsgs},
                {cb_wronggs_per_qs, combo_wronggs_per_qs, combo_wronggs_gsgs}};
    for (const auto& row : rows) {
        QLabel* applies = label("适用公式个数", this);
        grid->addWidget(row.box, r, 0, 1, 2);
        grid->addWidget(row.limit, r, 2);
        grid->addWidget(applies, r, 3);
        grid->addWidget(row.formulas, r++, 4);
        schemeControls_.insert(schemeControls_.end(), {row.box, row.limit, applies, row.formulas});
    }
    grid->addWidget(pb1, r++, 0, 1, 5);
    grid->addWidget(e_contwrong, r++, 0, 1, 5);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {b_begin, b_apply, b_cancel}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

std::optional<std::vector<std::string>> Tf_scfa::generate(KillPage page, const std::string& target, int count,
                                                          bool single) {
    page_ = page;
    target_ = target;
    count_ = single ? 1 : std::clamp(count, 1, kMaxGeneratedFormulas);
    single_ = single;
    prepareOpening();
    if (exec() != QDialog::Accepted || generator_.formulas().empty()) return std::nullopt;
    return generator_.formulas();
}

void Tf_scfa::prepareOpening() {
    setWindowTitle(QString::fromUtf8(single_ ? kSingleSearchCaption : kGeneratorCaption));
    for (QWidget* w : schemeControls_) w->setVisible(!single_);
    e_contwrong->clear();
    e_contwrong->hide();
    fillSearchRange(cb_ssfw_from, cb_ssfw_to);
    pb1->setRange(0, count_);
    pb1->setValue(0);
    b_apply->setEnabled(false);
}

bool Tf_scfa::running() const { return timer_->isActive(); }

void Tf_scfa::toggleRun() {
    if (running()) stopRun(false);
    else startRun();
}

bool Tf_scfa::readSettings(GeneratorSettings& s) {
    s.page = page_;
    s.target = target_;
    s.shape.indicator = indicatorOfItem(cb_gszb->currentText()).toStdString();
    if (!readWholeNumber(e_hsqs->text(), s.shape.depth, this) || !readWholeNumber(e_qzfrom->text(), s.shape.lo, this) ||
        !readWholeNumber(e_qzto->text(), s.shape.hi, this))
        return false;
    s.randomOnly = rb_randsc->isChecked();
    if (!s.randomOnly &&
        (!readDecimal(e_mbzqlfrom->text(), s.rateFrom, this) || !readDecimal(e_mbzqlto->text(), s.rateTo, this)))
        return false;
    s.firstIssue = cb_ssfw_from->currentText().toInt();
    s.lastIssue = cb_ssfw_to->currentText().toInt();
    s.accelerated = cb_quick->isChecked();
    s.formulaCount = count_;
    s.limitFormulaWrongRun = cb_contwrong->isChecked();
    s.maxFormulaWrongRun = combo_contwrong->currentIndex() + 1;
    // The scheme-level constraints do not apply to a single formula.
    const auto limit = [this](QCheckBox* box, QComboBox* value, QComboBox* formulas) {
        return SchemeLimit{!single_ && box->isChecked(), value->currentIndex() + 1, formulas->currentIndex() + 1};
    };
    s.schemeWrongRun = limit(cb_fa_contwrong, combo_fa_contwrong, cb_gsgs);
    s.lastWrongRun = limit(cb_fags_lastlc, combo_fags_lastlc, combo_fags_lastlc_gsgs);
    s.wrongPerDraw = limit(cb_wronggs_per_qs, combo_wronggs_per_qs, combo_wronggs_gsgs);
    s.seed = fixedSeed ? *fixedSeed : clockSeed();
    return true;
}

void Tf_scfa::startRun() {
    GeneratorSettings settings;
    if (!readSettings(settings)) return;
    if (const std::string error = generator_.start(workspace(), settings); !error.empty()) {
        showMessage(QString::fromStdString(error), this);
        return;
    }
    e_contwrong->clear();
    e_contwrong->hide();
    pb1->setValue(0);
    setInputsEnabled(false);
    b_apply->setEnabled(false);
    b_begin->setText(QString::fromUtf8(kStopCaption));
    setWindowTitle(QString::fromUtf8(kGeneratingCaption));
    timer_->start();
}

// The run has ended, complete or stopped: "应用" takes what was accepted so far.
void Tf_scfa::stopRun(bool finished) {
    timer_->stop();
    setInputsEnabled(true);
    b_begin->setText(QString::fromUtf8(kStartCaption));
    setWindowTitle(QString::fromUtf8(finished ? kFinishedCaption : (single_ ? kSingleSearchCaption : kGeneratorCaption)));
    b_apply->setEnabled(generator_.acceptedCount() > 0);
    const QString result = QString::fromStdString(generator_.resultText());
    e_contwrong->setText(result);
    e_contwrong->setVisible(!result.isEmpty());
}

void Tf_scfa::tick() {
    const GeneratorStepResult step = generator_.step(kSearchStepBudget);
    pb1->setValue(generator_.acceptedCount());
    if (!step.error.empty()) {
        stopRun(false);
        showMessage(QString::fromStdString(step.error), this);
        return;
    }
    if (step.finished || generator_.finished()) stopRun(true);
}

void Tf_scfa::setInputsEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             cb_gszb, e_hsqs, e_qzfrom, e_qzto, cb_ssfw_from, cb_ssfw_to, cb_quick, rb_sssc, rb_randsc, cb_contwrong,
             combo_contwrong, cb_fa_contwrong, combo_fa_contwrong, cb_gsgs, cb_fags_lastlc, combo_fags_lastlc,
             combo_fags_lastlc_gsgs, cb_wronggs_per_qs, combo_wronggs_per_qs, combo_wronggs_gsgs, b_cancel})
        w->setEnabled(enabled);
    const bool rates = enabled && rb_sssc->isChecked();
    e_mbzqlfrom->setEnabled(rates);
    e_mbzqlto->setEnabled(rates);
}

void Tf_scfa::chooseMode() {
    e_mbzqlfrom->setEnabled(rb_sssc->isChecked());
    e_mbzqlto->setEnabled(rb_sssc->isChecked());
}

void Tf_scfa::done(int result) {
    if (running()) stopRun(false);
    QDialog::done(result);
}

Tf_scfa& schemeGenerator() {
    if (!f_scfa) f_scfa = new Tf_scfa();
    return *f_scfa;
}

}  // namespace qorvel
