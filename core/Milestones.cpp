// Zubrik: the jump counts at which the game congratulates the player.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "core/Milestones.h"

namespace Milestones {
namespace {

const std::string crlf = "\r\n";

std::string title(int count)
{
    return std::to_string(count) + "回おめでとう";
}

} // namespace

const std::vector<Milestone> &table()
{
    static const std::vector<Milestone> milestones = {
        { 10, "よしよし、10回！", title(10) },
        { 50, "やったネ！50回！", title(50) },
        { 100, "すごい！100回！", title(100) },
        { 300, "ゲゲッ！300回！", title(300) },
        { 1000, "素晴らしい！1000回！", title(1000) },
        { 3000, "やりすぎ！3000回！", title(3000) },
        { 5000, "暇人め！5000回！", title(5000) },
        { 10000, "もうメッセージはないぞ！10000回！", title(10000) },
        { 10100, "だからもうないって！10100回！", title(10100) },
        { 11000, "しつこいね君は、11000回！", title(11000) },
        { 100000,
          std::string("すばらしい！ここまでやった根性を認めよう。") + crlf
              + "パスワード:380215796QTMW" + crlf
              + "これを「Orvane」（Readme.txt参照）に送ろう！" + crlf + crlf
              + "ちなみに999999回でこのゲームは終わります。がんばれ！",
          title(100000) },
        { finalCount,
          std::string("たぶんここまでやる人はいないだろうが・・・とりあえずおめでとう！！！")
              + crlf
              + "実は、一応これで終わりなのです（これ以上カウンターの桁が無い（笑））。"
              + crlf + "長らくありがとうございました。",
          title(999999) },
    };
    return milestones;
}

const Milestone *find(double count)
{
    for (const Milestone &milestone : table())
        if (milestone.count == count)
            return &milestone;
    return nullptr;
}

} // namespace Milestones
