#include "view/QtText.h"

#include <gtest/gtest.h>

namespace vantro {
namespace {

TEST(QtText, ModelBytesReachTheScreenAndComeBack)
{
    const std::string cp932 = "\x90\x7D\x96\xCA \xB6\xC5";
    const QString shown = ToQString(cp932);
    EXPECT_EQ(shown, QString::fromUtf8("図面 ｶﾅ"));
    EXPECT_EQ(ToCp932(shown), cp932);
}

TEST(QtText, UnrepresentableCharactersAreVisiblyReplaced)
{
    EXPECT_EQ(ToCp932(QString::fromUtf8("é")), "\x81\xAC");
    EXPECT_EQ(ToQString("\x80"), QString(QChar(0xFFFD)));
}

}  // namespace
}  // namespace vantro
