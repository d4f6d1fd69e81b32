#include "app/dialogs/u_cpstyle.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "text/gbk.h"
#include "text/number_text.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr const char* kLottoKind = "乐透型";
constexpr const char* kDigitKind = "数字型";
constexpr int kMaxCount = 7;
constexpr int kByteMax = 255;

QComboBox* numberCombo(QWidget* parent, const char* name, int from, int to) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    for (int v = from; v <= to; ++v) combo->addItem(QString::number(v));
    return combo;
}

// The name as the type file keeps it: GBK, at most 50 bytes.
std::string storableName(const QString& name) {
    return gbkToUtf8(truncateGbk(utf8ToGbk(toUtf8(name)), kTypeTextBytes));
}

}  // namespace

Tf_cpstyle::Tf_cpstyle(QWidget* parent) : QDialog(parent) {
    setObjectName("f_cpstyle");
    setWindowTitle(QStringLiteral("彩种"));
    buildControls();
}

void Tf_cpstyle::buildControls() {
    auto* radios = new QButtonGroup(this);
    auto* radioColumn = new QVBoxLayout;
    for (int n = 0; n < kTypeSlots; ++n) {
        rb[n] = new QRadioButton(this);
        rb[n]->setObjectName(QStringLiteral("rb%1").arg(n));
        rb[n]->setVisible(n < kShownTypeRadios);
        radios->addButton(rb[n], n);
        radioColumn->addWidget(rb[n]);
    }
    radioColumn->addStretch();
    connect(radios, &QButtonGroup::idClicked, this, &Tf_cpstyle::selectSlot);

    e_cpmm = new QLineEdit(this);
    e_cpmm->setObjectName("e_cpmm");
    combo_zh_from = numberCombo(this, "combo_zh_from", 0, kRangeListMax);
    combo_zh_to = numberCombo(this, "combo_zh_to", 0, kRangeListMax);
    combo_spec_from = numberCombo(this, "combo_spec_from", 0, kRangeListMax);
    combo_spec_to = numberCombo(this, "combo_spec_to", 0, kRangeListMax);
    combo_zhgs = numberCombo(this, "combo_zhgs", 1, kMaxCount);
    combo_fhgs = numberCombo(this, "combo_fhgs", 0, kMaxCount);
    cb_hasspec = new QCheckBox(QStringLiteral("有特别号"), this);
    cb_hasspec->setObjectName("cb_hasspec");
    connect(cb_hasspec, &QCheckBox::toggled, this, &Tf_cpstyle::enableSpecialEditors);
    combo_ltorsz = new QComboBox(this);
    combo_ltorsz->setObjectName("combo_ltorsz");
    combo_ltorsz->addItems({QString::fromUtf8(kLottoKind), QString::fromUtf8(kDigitKind)});
    cb_run = new QCheckBox(QStringLiteral("启动时选中"), this);
    cb_run->setObjectName("cb_run");
    Button1 = new QPushButton(QStringLiteral("确定修改"), this);
    Button1->setObjectName("Button1");
    connect(Button1, &QPushButton::clicked, this, &Tf_cpstyle::applyEditors);
    b_ok = new QPushButton(QStringLiteral("确定"), this);
    b_ok->setObjectName("b_ok");
    b_ok->setDefault(true);
    connect(b_ok, &QPushButton::clicked, this, &QDialog::accept);
    Button3 = new QPushButton(QStringLiteral("取消"), this);
    Button3->setObjectName("Button3");
    connect(Button3, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    // These editors only carry the slot's stored values through an apply.
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{combo_zhgs, combo_fhgs, combo_spec_from, combo_spec_to, cb_hasspec,
                                         combo_ltorsz, cb_run, Button3})
        hidden->setVisible(false);

    auto* settings = new QGroupBox(QStringLiteral("当前选中的彩种设置"), this);
    auto* grid = new QGridLayout(settings);
    grid->addWidget(new QLabel(QStringLiteral("彩种命名:"), settings), 0, 0);
    grid->addWidget(e_cpmm, 0, 1, 1, 3);
    l_zhgs = new QLabel(settings);
    l_zhgs->setObjectName("l_zhgs");
    grid->addWidget(l_zhgs, 1, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("彩种范围设置:（支持49以下的取值）"), settings), 2, 0, 1, 4);
    grid->addWidget(combo_zh_from, 3, 0);
    grid->addWidget(new QLabel(QStringLiteral("<=主号取值范围<="), settings), 3, 1);
    grid->addWidget(combo_zh_to, 3, 2);
    grid->addWidget(Button1, 4, 2, 1, 2);
    grid->setRowStretch(5, 1);

    auto* body = new QHBoxLayout;
    body->addLayout(radioColumn);
    body->addWidget(settings, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(b_ok);
    buttons->addWidget(Button3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
}

void Tf_cpstyle::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const Workspace& ws = workspace();
    for (int n = 0; n < kTypeSlots; ++n) rb[n]->setText(fromUtf8(ws.types.slots[n].Name));
    const int current = ws.CurrentType;
    rb[current]->setChecked(true);
    selectSlot(current);
}

void Tf_cpstyle::reject() {
    done(QDialog::Accepted);
}

void Tf_cpstyle::selectSlot(int n) {
    Workspace& ws = workspace();
    const LotteryType& slot = ws.types.slots[n];
    e_cpmm->setText(fromUtf8(slot.Name));
    combo_zhgs->setEditText(QString::number(slot.MainCount));
    l_zhgs->setText(QStringLiteral("开奖主号个数：%1个").arg(slot.MainCount));
    combo_fhgs->setEditText(QString::number(slot.SpecialCount));
    combo_zh_from->setEditText(QString::number(slot.MainFrom));
    combo_zh_to->setEditText(QString::number(slot.MainTo));
    combo_spec_from->setEditText(QString::number(slot.SpecialFrom));
    combo_spec_to->setEditText(QString::number(slot.SpecialTo));
    cb_hasspec->setChecked(slot.HasSpecial != 0);
    combo_ltorsz->setCurrentText(QString::fromUtf8(slot.TypeKind == 1 ? kLottoKind : kDigitKind));
    enableSpecialEditors();
    ws.CurrentType = n;
}

void Tf_cpstyle::enableSpecialEditors() {
    const bool on = cb_hasspec->isChecked();
    for (QWidget* editor : {combo_fhgs, combo_spec_from, combo_spec_to}) editor->setEnabled(on);
}

void Tf_cpstyle::applyEditors() {
    // Every numeric editor must hold a whole number a byte can keep; the first that does not stops the
    // apply before anything changes.
    QComboBox* const numeric[] = {combo_zhgs,  combo_fhgs,      combo_zh_from,
                                  combo_zh_to, combo_spec_from, combo_spec_to};
    std::array<uint8_t, std::size(numeric)> values{};
    for (std::size_t i = 0; i < std::size(numeric); ++i) {
        const QString text = numeric[i]->currentText();
        const auto value = parseWholeNumber(toUtf8(text));
        if (!value || *value < 0 || *value > kByteMax) {
            showMessage(invalidNumberMessage(text), this);
            return;
        }
        values[i] = static_cast<uint8_t>(*value);
    }
    Workspace& ws = workspace();
    LotteryType& slot = ws.types.slots[ws.CurrentType];
    slot.MainCount = values[0];
    slot.SpecialCount = values[1];
    slot.Name = storableName(e_cpmm->text());
    slot.HasSpecial = cb_hasspec->isChecked() ? 1 : 0;
    if (slot.HasSpecial == 0) slot.SpecialCount = 0;
    slot.MainFrom = values[2];
    slot.MainTo = values[3];
    slot.SpecialFrom = values[4];
    slot.SpecialTo = values[5];
    slot.TypeKind = combo_ltorsz->currentText() == QString::fromUtf8(kLottoKind) ? 1 : 0;
    rb[ws.CurrentType]->setText(fromUtf8(slot.Name));
    if (cb_run->isChecked()) ws.types.StartType = static_cast<uint8_t>(ws.CurrentType);
    if (auto error = saveLotteryTypes(ws.file("database\\cps.typ"), ws.types); !error.empty())
        showMessage(fromUtf8(error), this);
}

}  // namespace qorvel
