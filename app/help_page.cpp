#include "app/help_page.h"

#include <QDir>
#include <QFileInfo>

#include "app/app_state.h"
#include "app/dialogs/u_textviewer.h"
#include "text/file_io.h"
#include "text/gbk.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr const char* kHelpFile = "database\\help.htm";
constexpr const char* kCurrentFolderHelp = "help.htm";

// The page is stored in GBK like every other text file of the program and says so in its header.
constexpr const char* kHelpHtml = R"(<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="gbk">
<title>Qorvel 帮助</title>
<style>
body { font-family: sans-serif; margin: 2em; line-height: 1.6; max-width: 52em; }
h1 { color: #1a3a6a; } h2 { color: #2a5a9a; border-bottom: 1px solid #ccd; }
code { background: #f2f2f6; padding: 0 .3em; }
</style>
</head>
<body>
<h1>Qorvel 帮助</h1>
<p>Qorvel 用来研究号码型彩票的历史开奖数据，并据此生成少量投注号码。程序以一个主窗口运行，各功能页面以标签页的形式打开。</p>
<h2>菜单</h2>
<ul>
<li><b>组件</b>：打开“超强组号”、“综合分析”、“更多图表”、“统计区”、“指标管理”、“定胆杀号”、“设置”等页面；“数据变换”对历史数据做变换。页面按打开的先后顺序排列，在标签栏上单击右键可选择“关闭当前页”。</li>
<li><b>数据维护</b>：“彩种选择”切换或设置彩种（共 21 个彩种位置，可设定主号、特别号的个数与取值范围）；“数据更新”录入、修改、导入和导出开奖数据。</li>
<li><b>工具</b>：打开系统的计算器和文本编辑器（系统中没有安装时不做任何事）。</li>
<li><b>退出</b>：确认后关闭程序。关闭时程序保存“超强组号”的当前条件。</li>
</ul>
<h2>文件</h2>
<p>所有数据都保存在程序文件夹中：<code>database/cps.typ</code> 保存彩种设置，<code>database/basedataN.rec</code> 保存第 N 个彩种的开奖数据，
<code>save/</code> 保存公式集与各页面的设置，<code>pic/</code> 保存号码球图片。缺少的文件在程序启动时自动按默认值创建。</p>
<h2>冷热号</h2>
<p>在“设定期数范围”内出现次数不超过冷号次数的号码为冷号，达到热号次数的为热号，其余为温号。主号与特别号分别设置。</p>
</body>
</html>
)";

}  // namespace

QString helpFilePath() {
    return programFile(kHelpFile);
}

QString ensureHelpPage() {
    if (QFileInfo::exists(helpFilePath())) return {};
    return fromUtf8(writeFileAtomically(workspace().file(kHelpFile), utf8ToGbk(kHelpHtml)));
}

void openHelp(QWidget* parent) {
    if (QFileInfo::exists(helpFilePath()))
        openTextDocument(helpFilePath(), parent);
    else
        showMessage(QStringLiteral("帮助文件丢失"), parent);
    const QString local = QDir::current().absoluteFilePath(kCurrentFolderHelp);
    if (QFileInfo::exists(local)) platform().shell->open(local);
}

}  // namespace qorvel
