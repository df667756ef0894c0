// Zubrik: the jump counts at which the game congratulates the player.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "core/Milestones.h"

namespace Milestones {
namespace {

const QString crlf = QStringLiteral("\r\n");

QString title(int count)
{
    return QString::number(count) + QStringLiteral("回おめでとう");
}

} // namespace

const std::vector<Milestone> &table()
{
    static const std::vector<Milestone> milestones = {
        { 10, QStringLiteral("よしよし、10回！"), title(10) },
        { 50, QStringLiteral("やったネ！50回！"), title(50) },
        { 100, QStringLiteral("すごい！100回！"), title(100) },
        { 300, QStringLiteral("ゲゲッ！300回！"), title(300) },
        { 1000, QStringLiteral("素晴らしい！1000回！"), title(1000) },
        { 3000, QStringLiteral("やりすぎ！3000回！"), title(3000) },
        { 5000, QStringLiteral("暇人め！5000回！"), title(5000) },
        { 10000, QStringLiteral("もうメッセージはないぞ！10000回！"), title(10000) },
        { 10100, QStringLiteral("だからもうないって！10100回！"), title(10100) },
        { 11000, QStringLiteral("しつこいね君は、11000回！"), title(11000) },
        { 100000,
          QStringLiteral("すばらしい！ここまでやった根性を認めよう。") + crlf
              + QStringLiteral("パスワード:380215796QTMW") + crlf
              + QStringLiteral("これを「Orvane」（Readme.txt参照）に送ろう！") + crlf + crlf
              + QStringLiteral("ちなみに999999回でこのゲームは終わります。がんばれ！"),
          title(100000) },
        { finalCount,
          QStringLiteral("たぶんここまでやる人はいないだろうが・・・とりあえずおめでとう！！！")
              + crlf
              + QStringLiteral("実は、一応これで終わりなのです（これ以上カウンターの桁が無い（笑））。")
              + crlf + QStringLiteral("長らくありがとうございました。"),
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
