#include "view/QtText.h"

#include "document/Cp932.h"

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

TEST(QtText, AsciiBytesReadAsTheConverterReadsThem)
{
    for (int byte = 0; byte < 0x80; ++byte) {
        SCOPED_TRACE(byte);
        const std::string text{'a', static_cast<char>(byte), 'z'};
        EXPECT_EQ(ToQString(text), QString::fromStdString(Cp932ToUtf8(text)));
    }
}

}  // namespace
}  // namespace vantro
