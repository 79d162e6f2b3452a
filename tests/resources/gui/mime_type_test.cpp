#include <QByteArray>
#include <QMimeDatabase>

#include <gtest/gtest.h>

extern QString mimeDataRoot;

namespace {

const char* const kListType = "application/x-zelkora-list";

QString typeOfData(const QByteArray& data) {
    return QMimeDatabase().mimeTypeForData(data).name();
}

} // namespace

// The desktop recognises list files by their first bytes (version 2.0 starts with 0x80, 1.0.2
// with 0x7F) and by the extension, and nothing else as a list.
TEST(MimeType, listFilesAreRecognisedByContentAndName) {
    ASSERT_FALSE(mimeDataRoot.isEmpty());
    const QByteArray head("#File fuer Zelkprogramm\r\n#Format Version 2.0, PC\r\n");
    EXPECT_EQ(typeOfData(QByteArray(1, char(0x80)) + head), QLatin1String(kListType));
    EXPECT_EQ(typeOfData(QByteArray(1, char(0x7F)) + head), QLatin1String(kListType));

    EXPECT_NE(typeOfData(QByteArray(1, char(0x7E)) + head), QLatin1String(kListType));
    EXPECT_NE(typeOfData(head), QLatin1String(kListType));
    EXPECT_NE(typeOfData(QByteArray("house\tHaus\r\n")), QLatin1String(kListType));

    QMimeDatabase db;
    EXPECT_EQ(db.mimeTypeForFile(QStringLiteral("words.zlk"), QMimeDatabase::MatchExtension).name(),
              QLatin1String(kListType));
    EXPECT_EQ(db.mimeTypeForName(QLatin1String(kListType)).comment(),
              QLatin1String("Zelkora card list"));
}
