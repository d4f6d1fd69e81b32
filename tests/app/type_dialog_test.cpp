// The type dialog and the type change: controls, the ways of closing, applying an edit, refused numbers,
// the label rule, and what a change of type reloads.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/app_state.h"
#include "app/dialogs/u_cpstyle.h"
#include "app/pages/u_tdsh.h"
#include "app/type_change.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "killbanker/formula_set_files.h"
#include "text/gbk.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

constexpr int kSlotOneDraws = 20;

// Slot 1 is a five-of-35 game with two specials of 1..12 and the digit kind; slot 0 keeps the defaults.
void prepareTypes(const TestHome& home, bool forecastInSlotOne = false) {
    LotteryTypeTable table = defaultLotteryTypeTable();
    LotteryType& five = table.slots[1];
    five.Name = "超级大乐透";
    five.MainCount = 5;
    five.MainTo = 35;
    five.SpecialCount = 2;
    five.SpecialTo = 12;
    five.TypeKind = 0;
    QVERIFY(saveLotteryTypes(home.file("database/cps.typ").toStdString(), table).empty());
    writeDrawFile(home.file("database/basedata0.rec"), sampleDraws(30));
    DrawRows rows;
    for (int r = 0; r < kSlotOneDraws; ++r) rows.push_back({2021001 + r, 1, 8, 15, 22, 29 + r % 6, 3, 11});
    if (forecastInSlotOne) rows.push_back({kForecastIssue, 2, 3, 4, 5, 6, 7, 8});
    writeDrawFile(home.file("database/basedata1.rec"), rows);
}

LotteryType storedSlot(const TestHome& home, int slot) {
    const QByteArray bytes = fileBytes(home.file("database/cps.typ"));
    return decodeTypeRecord(std::string_view(bytes.constData() + slot * kTypeRecordBytes, kTypeRecordBytes));
}

// Runs "彩种选择" and lets `inDialog` work the dialog; the dialog must be closed by `inDialog`.
void chooseType(const std::function<void(Tf_cpstyle*)>& inDialog) {
    bool reached = false;
    whenModalShown([&](QDialog* dialog) {
        reached = true;
        inDialog(static_cast<Tf_cpstyle*>(dialog));
        if (dialog->isVisible()) dialog->done(QDialog::Rejected);  // a failed check must not hang the test
    });
    mainAction("n_czxz")->trigger();
    QVERIFY(reached);
}

}  // namespace

class TypeDialogTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void dialogShowsSevenSlotsAndItsEditors();
    void closingTheDialog_data();
    void closingTheDialog();
    void renamingAppliesTheLabelRule_data();
    void renamingAppliesTheLabelRule();
    void applyKeepsTheHiddenValuesOfTheSlot();
    void applyWithoutSpecialNumbersStoresNone();
    void invalidNumbersAreRefused_data();
    void invalidNumbersAreRefused();
    void startTypeBoxMarksEveryRecord();
    void typeChangeReloadsHistoryAndFormulaSets();
};

void TypeDialogTest::dialogShowsSevenSlotsAndItsEditors() {
    StartedProgram program([](const TestHome& home) { prepareTypes(home); });
    chooseType([](Tf_cpstyle* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("彩种"));
        for (int n = 0; n < kTypeSlots; ++n) {
            QCOMPARE(d->rb[n]->objectName(), QString("rb%1").arg(n));
            QCOMPARE(d->rb[n]->isVisibleTo(d), n < 7);
            QCOMPARE(d->rb[n]->text(), fromUtf8(workspace().types.slots[n].Name));
        }
        QVERIFY(d->rb[0]->isChecked());
        for (QWidget* shown : std::initializer_list<QWidget*>{d->e_cpmm, d->combo_zh_from, d->combo_zh_to,
                                                              d->Button1, d->b_ok})
            QVERIFY2(shown->isVisibleTo(d), qPrintable(shown->objectName()));
        for (QWidget* hidden : std::initializer_list<QWidget*>{
                 d->combo_zhgs, d->combo_fhgs, d->combo_spec_from, d->combo_spec_to, d->cb_hasspec,
                 d->combo_ltorsz, d->cb_run, d->Button3})
            QVERIFY2(!hidden->isVisibleTo(d), qPrintable(hidden->objectName()));
        for (QComboBox* range : {d->combo_zh_from, d->combo_zh_to, d->combo_spec_from, d->combo_spec_to}) {
            QCOMPARE(range->count(), 50);
            QCOMPARE(range->itemText(0), QString("0"));
            QCOMPARE(range->itemText(49), QString("49"));
            QVERIFY(range->isEditable());
        }
        QStringList texts;
        for (QLabel* label : d->findChildren<QLabel*>()) texts << label->text();
        for (const char* text :
             {"彩种命名:", "开奖主号个数：6个", "彩种范围设置:（支持49以下的取值）", "<=主号取值范围<="})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
        QCOMPARE(d->Button1->text(), QStringLiteral("确定修改"));
        QCOMPARE(d->b_ok->text(), QStringLiteral("确定"));

        // Clicking a radio loads its slot and makes it current at once.
        QTest::mouseClick(d->rb[1], Qt::LeftButton);
        QCOMPARE(workspace().CurrentType, 1);
        QCOMPARE(d->e_cpmm->text(), QStringLiteral("超级大乐透"));
        QCOMPARE(d->combo_zh_to->currentText(), QString("35"));
        QCOMPARE(d->combo_fhgs->currentText(), QString("2"));
        QCOMPARE(d->combo_ltorsz->currentText(), QStringLiteral("数字型"));
        // The static count text follows the selected slot (five main numbers here).
        QCOMPARE(d->l_zhgs->text(), QStringLiteral("开奖主号个数：5个"));
        QVERIFY(d->cb_hasspec->isChecked());
        QVERIFY(d->combo_spec_to->isEnabled());
        d->Button3->click();
    });
}

void TypeDialogTest::closingTheDialog_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("expectedType");
    QTest::newRow("确定") << "b_ok" << 1;
    QTest::newRow("title bar") << "close" << 1;
    QTest::newRow("escape key") << "escape" << 1;
    QTest::newRow("取消") << "Button3" << 0;
}

void TypeDialogTest::closingTheDialog() {
    QFETCH(QString, how);
    QFETCH(int, expectedType);
    StartedProgram program([](const TestHome& home) { prepareTypes(home); });
    chooseType([&](Tf_cpstyle* d) {
        d->rb[1]->click();
        if (how == "b_ok") d->b_ok->click();
        if (how == "close") d->close();
        if (how == "escape") QTest::keyClick(d, Qt::Key_Escape);
        if (how == "Button3") d->Button3->click();
    });
    const Workspace& ws = workspace();
    QCOMPARE(ws.CurrentType, expectedType);
    const QString name = expectedType == 1 ? QStringLiteral("超级大乐透") : QStringLiteral("自定义彩种0");
    QCOMPARE(f_main->windowTitle(), name + QStringLiteral("(原始数据)"));
    QCOMPARE(fromUtf8(ws.MainStore.FileName().filename().string()),
             QString("basedata%1.rec").arg(expectedType));
    QCOMPARE(ws.MainStore.Count(), expectedType == 1 ? kSlotOneDraws : 30);
    QCOMPARE(ws.params.MainTo, expectedType == 1 ? 35 : 33);
    QCOMPARE(ws.params.SpecialCount, expectedType == 1 ? 2 : 1);
    QCOMPARE(fromUtf8(ws.SpecialLabel()),
             expectedType == 1 ? QStringLiteral("副号") : QStringLiteral("特别号"));
    QCOMPARE(ws.zones.forCount(2).back(), ws.params.MainTo);
    // Only a confirmed change loads the new type's formula sets.
    QCOMPARE(QFile::exists(program.home.file("save/hmsh1.txt")), expectedType == 1);
}

void TypeDialogTest::renamingAppliesTheLabelRule_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mainLabel");
    QTest::addColumn<QString>("specialLabel");
    QTest::newRow("双色球") << "双色球"
                            << "红号"
                            << "蓝号";
    QTest::newRow("超级大乐透") << "超级大乐透"
                                << "主号"
                                << "副号";
    QTest::newRow("other names") << "七乐彩"
                                 << "主号"
                                 << "特别号";
}

void TypeDialogTest::renamingAppliesTheLabelRule() {
    QFETCH(QString, name);
    QFETCH(QString, mainLabel);
    QFETCH(QString, specialLabel);
    StartedProgram program;
    chooseType([&](Tf_cpstyle* d) {
        d->e_cpmm->setText(name);
        d->Button1->click();
        QCOMPARE(d->rb[0]->text(), name);
        d->b_ok->click();
    });
    const Workspace& ws = workspace();
    QCOMPARE(fromUtf8(ws.MainLabel()), mainLabel);
    QCOMPARE(fromUtf8(ws.SpecialLabel()), specialLabel);
    QCOMPARE(fromUtf8(storedSlot(program.home, 0).Name), name);
    QCOMPARE(f_main->windowTitle(), name + QStringLiteral("(原始数据)"));
}

void TypeDialogTest::applyKeepsTheHiddenValuesOfTheSlot() {
    StartedProgram program([](const TestHome& home) { prepareTypes(home); });
    const LotteryType before = storedSlot(program.home, 1);
    chooseType([](Tf_cpstyle* d) {
        d->rb[1]->click();
        d->Button1->click();
        // An apply changes the slot and the file, not the parameters of the running type.
        QCOMPARE(workspace().params.MainTo, 33);
        d->Button3->click();
    });
    // Counts, special range, kind and labels went through the hidden editors unchanged.
    QVERIFY(storedSlot(program.home, 1) == before);
    QCOMPARE(int(before.TypeKind), 0);
    QVERIFY(program.platform.messages.texts().filter("整数").isEmpty());
}

void TypeDialogTest::applyWithoutSpecialNumbersStoresNone() {
    StartedProgram program([](const TestHome& home) { prepareTypes(home); });
    chooseType([](Tf_cpstyle* d) {
        d->rb[2]->click();
        d->cb_hasspec->setChecked(false);
        QVERIFY(!d->combo_spec_from->isEnabled());
        QVERIFY(!d->combo_fhgs->isEnabled());
        d->combo_zh_to->setEditText("30");
        d->Button1->click();
        d->b_ok->click();
    });
    const LotteryType stored = storedSlot(program.home, 2);
    QCOMPARE(int(stored.HasSpecial), 0);
    QCOMPARE(int(stored.SpecialCount), 0);
    QCOMPARE(int(stored.MainTo), 30);
    const TypeParams& params = workspace().params;
    QVERIFY(!params.HasSpecial);
    QCOMPARE(params.SpecialCount, 0);
    QCOMPARE(params.MainTo, 30);
    QCOMPARE(workspace().zones.forCount(3), (std::vector<int>{0, 10, 20, 30}));
}

void TypeDialogTest::invalidNumbersAreRefused_data() {
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "combo_zh_from"
                           << "";
    QTest::newRow("letters") << "combo_zh_to"
                             << "abc";
    QTest::newRow("decimal") << "combo_zh_to"
                             << "1.5";
    QTest::newRow("digits then letters") << "combo_zh_from"
                                         << "3x";
    QTest::newRow("too large for a byte") << "combo_zh_to"
                                          << "256";
    QTest::newRow("negative") << "combo_zh_from"
                              << "-1";
}

void TypeDialogTest::invalidNumbersAreRefused() {
    QFETCH(QString, editor);
    QFETCH(QString, text);
    StartedProgram program;
    const QByteArray before = fileBytes(program.home.file("database/cps.typ"));
    program.platform.messages.messages.clear();
    chooseType([&](Tf_cpstyle* d) {
        d->e_cpmm->setText(QStringLiteral("新名字"));
        d->findChild<QComboBox*>(editor)->setEditText(text);
        d->Button1->click();
        QCOMPARE(d->rb[0]->text(), QStringLiteral("自定义彩种0"));
        d->Button3->click();
    });
    QCOMPARE(program.platform.messages.texts(), QStringList{invalidNumberMessage(text)});
    QCOMPARE(fileBytes(program.home.file("database/cps.typ")), before);
    QCOMPARE(fromUtf8(workspace().types.slots[0].Name), QStringLiteral("自定义彩种0"));
}

void TypeDialogTest::startTypeBoxMarksEveryRecord() {
    StartedProgram program;
    chooseType([](Tf_cpstyle* d) {
        d->rb[3]->click();
        d->cb_run->setChecked(true);
        d->Button1->click();
        d->Button3->click();
    });
    const QByteArray bytes = fileBytes(program.home.file("database/cps.typ"));
    QCOMPARE(bytes.size(), kTypeSlots * kTypeRecordBytes);
    for (int slot = 0; slot < kTypeSlots; ++slot) QCOMPARE(int(bytes[slot * kTypeRecordBytes]), 3);
    QCOMPARE(workspace().CurrentType, 0);  // the stored start type does not select the slot
}

void TypeDialogTest::typeChangeReloadsHistoryAndFormulaSets() {
    StartedProgram program([](const TestHome& home) {
        prepareTypes(home, true);
        QDir().mkpath(home.file("save"));
        QFile banker(home.file("save/hmtd1.txt"));
        QVERIFY(banker.open(QIODevice::WriteOnly));
        banker.write("[-2]z_hw\r\n[-3]z_hw\r\n");
    });
    Workspace& ws = workspace();
    ws.dataTransformed = true;
    f_main->n_sjgx->setEnabled(false);
    chooseType([](Tf_cpstyle* d) {
        d->rb[1]->click();
        d->b_ok->click();
    });
    // The forecast row is deleted and the file rewritten; the cursor rests nine draws before the last.
    QCOMPARE(ws.MainStore.Count(), kSlotOneDraws);
    QCOMPARE(fileBytes(program.home.file("database/basedata1.rec")).size(), kSlotOneDraws * kDrawRecordBytes);
    QCOMPARE(ws.MainStore.RecNo(), kSlotOneDraws - 9);
    QVERIFY(!ws.dataTransformed);
    QVERIFY(f_main->n_sjgx->isEnabled());

    for (const auto& kind : kFormulaSetKinds) {
        const QString file =
            program.home.file(QString("save/%1%2.txt").arg(fromUtf8(std::string(kind.prefix))).arg(1));
        QVERIFY2(QFile::exists(file), qPrintable(file));
    }
    QCOMPARE(fileBytes(program.home.file("save/hmsh1.txt")).count("[-1]z_hw\r\n"), 600);
    const auto& sets = f_tdsh->formulaSets;
    QCOMPARE(fromUtf8(std::string(sets[3].kind.prefix)), QString("hmtd"));
    QCOMPARE(fromUtf8(sets[3].formula(1, 1)), QString("[-2]z_hw"));
    QCOMPARE(fromUtf8(sets[3].formula(1, 2)), QString("[-3]z_hw"));
    QCOMPARE(fromUtf8(sets[3].formula(1, 3)), QString("[-1]z_hw"));
    QCOMPARE(fileBytes(program.home.file("save/hmtd1.txt")), QByteArray("[-2]z_hw\r\n[-3]z_hw\r\n"));
}

QTEST_MAIN(TypeDialogTest)
#include "type_dialog_test.moc"
