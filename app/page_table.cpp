#include "app/page_table.h"

#include "app/page.h"
#include "app/pages/u_fxd.h"
#include "app/pages/u_moredb.h"
#include "app/pages/u_set.h"
#include "app/pages/u_tdsh.h"
#include "app/pages/u_tjq.h"
#include "app/pages/u_zbpx.h"
#include "app/pages/u_zbpxz.h"
#include "app/pages/u_zh.h"

namespace qorvel {
namespace {

template <class P, P*& instance>
constexpr PageWindow windowOf() {
    return {[]() -> QWidget* {
                instance = new P();
                return instance;
            },
            []() -> QWidget* { return instance; }, []() -> Page* { return instance; },
            [] { instance = nullptr; }};
}

constexpr int kOpenedByAnotherPage = -1;

constexpr PageInfo kPages[] = {
    {PageId::fxd, "ts_fxd", " 综合分析", "n_fxd", "综合分析", 1, "综合分析", true, windowOf<Tf_fxd, f_fxd>()},
    {PageId::moredb, "ts_moredb", "更多图表", "n_moredb", "更多图表", 1, "更多图表", true,
     windowOf<Tf_moredb, f_moredb>()},
    {PageId::zh, "ts_zh", "超强组号", "n_zh", "超强组号", 0, "超强组号", false, windowOf<Tf_zh, f_zh>()},
    {PageId::zbpx, "ts_zbpx", "指标管理", "n_zbpx", "指标管理", 3, "指标管理", false, windowOf<Tf_zbpx, f_zbpx>()},
    {PageId::zbpxz, "ts_zbpxz", "指标剖析", "", "", kOpenedByAnotherPage, "", false, windowOf<Tf_zbpxz, f_zbpxz>()},
    {PageId::tdsh, "ts_tdsh", "定胆杀号", "n_tdsh", "定胆杀号", 4, "定胆杀号", true, windowOf<Tf_tdsh, f_tdsh>()},
    {PageId::tjq, "ts_tjq", "统计区", "n_tjq", "统计区", 2, "统计区", true, windowOf<Tf_tjq, f_tjq>()},
    {PageId::set, "ts_set", "设置", "n_set", "设置", 6, "设置", false, windowOf<Tf_set, f_set>()},
};

}  // namespace

std::span<const PageInfo> pageTable() { return kPages; }

const PageInfo& pageInfo(PageId id) {
    for (const PageInfo& info : kPages)
        if (info.id == id) return info;
    return kPages[0];
}

}  // namespace qorvel
