// What the main window says about a run in the background, about files added or dropped, and the
// cancel button's caption. The split request's own texts are in split_request.h.
#pragma once

namespace sundrel {

inline constexpr const char* SSplitCancelled = "文件分割已取消";
inline constexpr const char* SMergeCancelled = "文件合并已取消";
inline constexpr const char* SCancelAndClose = "文件正在处理中，是否取消并退出？";
inline constexpr const char* SMergePartMissing = "缺少局部文件 %s，无法合并";
inline constexpr const char* SAddFollowingParts = "同一组的局部文件 %s 至 %s 也在这里，是否一并添加？";
inline constexpr const char* SDropRefused = "不能使用 %s：它是文件夹或无法读取";
inline constexpr const char* SDropOneSource = "一次只能均分一个文件";
inline constexpr const char* SMergeFindings = "合并前发现以下问题：\n%s\n\n是否仍按列表顺序合并？选择“取消”则不合并。";
inline constexpr const char* SRemoveHigherParts =
    "这个文件夹里有以前分割留下的局部文件 %s 至 %s，是否删除它们？\n“是”删除，“否”保留，“取消”不分割。";
inline constexpr const char* kCancelCaption = "取消";

}  // namespace sundrel
