// Channels to and from the CSV exchange format: the round trip of every
// template, what each kind of row becomes, and the refusals by line.

#include "document/ChannelCsv.h"
#include "ProductFixture.h"
#include "document/ChannelCsvImport.h"

#include <QDir>
#include <QUndoStack>

#include <map>

namespace {

class ChannelCsvTest : public ProductFixture {
protected:
    static CDataItem child(CProfileDocument &document, const char *section, int index = -1)
    {
        CDataItem result;
        document.root().GetChildByName(QLatin1String(section), result);
        return index < 0 ? result : result.GetChildByIndex(index, result);
    }
    static int attribute(CProfileDocument &document, int channel, const std::string &name)
    {
        return child(document, "channels", channel).GetAttributeValue(QString::fromStdString(name)).toInt();
    }
    static quint32 hzOf(CProfileDocument &document, int channel, const char *indexAttribute)
    {
        const int row = attribute(document, channel, indexAttribute);
        return child(document, "frequencies", row).GetAttributeValue(QStringLiteral("freq")).toUInt();
    }
    static QString xml(CProfileDocument &document) { return document.model().mainDocument().xml(); }
};

TEST_F(ChannelCsvTest, EveryTemplateExportedAndImportedBackIsTheSameProfile)
{
    const QStringList models = QDir(QString::fromUtf8(VELA_DATA_DIR) + QStringLiteral("/profiletemplate"))
                                   .entryList({ QStringLiteral("*.kv9") }, QDir::Files);
    ASSERT_GE(models.size(), 9);
    for (QString model : models) {
        model.chop(4);
        SCOPED_TRACE(model.toStdString());
        auto document = fromTemplate(model);
        const QString before = xml(*document);
        const CChannelCsvImport import(ChannelCsv::Export(document->root(), document->powerClass()));
        const ChannelImportReport report = import.apply(*document, false);
        EXPECT_EQ(report.refusedRows, 0) << report.text().toStdString();
        EXPECT_TRUE(report.kept);
        EXPECT_EQ(xml(*document), before);
        EXPECT_EQ(document->undoStack()->count(), 0);
    }
}

struct RowCase {
    const char *csv; // header and rows for channel 1 of KUR51673
    std::map<std::string, int> attributes; // of channel 1 afterwards
    quint32 receiveHz;
    quint32 transmitHz; // 0: not checked
};

TEST_F(ChannelCsvTest, EachKindOfRowBecomesTheChannelItDescribes)
{
    const QList<RowCase> cases = {
        { "Location,Frequency,Tone,rToneFreq\n1,462.5625,Tone,100.0", { { "tx_code", 12 }, { "rx_code", 0 } },
            462562500, 0 },
        { "Location,Frequency,Tone,rToneFreq,cToneFreq\n1,462.5625,TSQL,67.0,67.0",
            { { "tx_code", 1 }, { "rx_code", 1 } }, 462562500, 0 },
        { "Location;Frequency;Tone;DtcsCode;DtcsPolarity\n1;462,5625;DTCS;754;RN",
            { { "tx_code", 212 }, { "rx_code", 121 } }, 462562500, 0 },
        { "Location\tFrequency\tTone\tCrossMode\tRxDtcsCode\n1\t462.5625\tCross\t->DTCS\t645",
            { { "tx_code", 0 }, { "rx_code", 123 } }, 462562500, 0 },
        { "\xEF\xBB\xBF# "
          "comment\nLocation,Frequency,Tone,CrossMode,DtcsCode,cToneFreq\n1,462.5625,Cross,DTCS->Tone,"
          "023,69.3",
            { { "tx_code", 39 }, { "rx_code", 122 } }, 462562500, 0 },
        { "Location,Frequency,Duplex,Offset\n1,462.5625,+,5.000000", { { "repeater", 1 } }, 462562500,
            467562500 },
        { "Location,Frequency,Duplex,Offset\n1,467.5625,-,5", { { "repeater", 1 } }, 467562500, 462562500 },
        { "Location,Frequency,Duplex,Offset\n1,462.55,split,467.6", { { "repeater", 1 } }, 462550000,
            467600000 },
        { "Location,Frequency,Duplex,Offset\n1,462.55,,0", { { "repeater", 0 } }, 462550000, 0 },
        { "Location,Frequency,Power,Duplex\n1,462.55,1W,", { { "talkaround_power", 0 } }, 462550000, 0 },
        { "Location,Frequency,Power,Duplex\n1,462.55,4.0 W,", { { "talkaround_power", 1 } }, 462550000, 0 },
        { "Location,Frequency,Power,Duplex,Offset\n1,462.55,1,+,5", { { "repeater_power", 0 } }, 462550000,
            467550000 },
        { "Location,Frequency,Mode,Skip\n1,462.5625,FM,S", { { "rx_bw", 1 }, { "in_scanlist", 0 } },
            462562500, 0 },
        { "Location,Frequency,Mode,Skip\n1,462.5625,NFM,", { { "rx_bw", 0 }, { "in_scanlist", 1 } },
            462562500, 0 },
    };
    for (const RowCase &row : cases) {
        SCOPED_TRACE(row.csv);
        auto document = fromTemplate(QStringLiteral("KUR51673"));
        const ChannelImportReport report = CChannelCsvImport(QByteArray(row.csv)).apply(*document, false);
        ASSERT_EQ(report.refusedRows, 0) << report.text().toStdString();
        for (const auto &[name, value] : row.attributes)
            EXPECT_EQ(attribute(*document, 0, name), value) << name;
        EXPECT_EQ(hzOf(*document, 0, "rx_freq_ndx"), row.receiveHz);
        if (row.transmitHz) {
            EXPECT_EQ(hzOf(*document, 0, "tx_freq_ndx"), row.transmitHz);
        }
    }
}

TEST_F(ChannelCsvTest, AToneKeepsTheChannelsCodeOrTakesACustomisedOne)
{
    auto document = fromTemplate(QStringLiteral("KUR51673"));
    CDataItem setting = child(*document, "setting");
    ASSERT_TRUE(document->setAttribute(setting, "PLcode125", 1598, "Change").accepted());
    CDataItem channel = child(*document, "channels", 0);
    ASSERT_TRUE(document->setAttribute(channel, "rx_code", 124, "Change").accepted()); // 100.0 Hz
    const QByteArray csv = "Location,Frequency,Name,Tone,rToneFreq,cToneFreq,CrossMode\n"
                           "1,462.5625,'=A,Cross,159.8,100.0,Tone->Tone\n";
    ASSERT_EQ(CChannelCsvImport(csv).apply(*document, false).refusedRows, 0);
    EXPECT_EQ(attribute(*document, 0, "rx_code"), 124);
    EXPECT_EQ(attribute(*document, 0, "tx_code"), 125);
    EXPECT_EQ(child(*document, "channels", 0).GetAttributeValue("name").toString(), QStringLiteral("=A"));
    EXPECT_TRUE(ChannelCsv::Export(document->root(), 5).contains("1,\"'=A\",462.562500"));
}

TEST_F(ChannelCsvTest, RefusedRowsAreNamedByLineAndKeepNothingWithoutPartial)
{
    auto document = fromTemplate(QStringLiteral("KUR51673"));
    const QString before = xml(*document);
    const QByteArray csv = "Location,Name,Frequency,Tone,Mode\n"
                           "1,OK,462.5625,,NFM\n"
                           "2,BAD,4x2.1,,NFM\n"
                           "3,TONE,462.6,Bogus,NFM\n"
                           "4,SHORT,462.6\n"
                           "# a comment line counts\n"
                           "5,MURS,154.570,,NFM\n"
                           "1,TWICE,462.5625,,NFM\n"
                           "6,AM,462.6,,AM\n";
    const CChannelCsvImport import(csv);
    const ChannelImportReport preview = import.preview(*document);
    QStringList refusals;
    for (const ChannelImportNote &note : preview.notes) {
        if (note.kind == ChannelImportNote::Refused)
            refusals << QStringLiteral("%1 %2").arg(note.line).arg(note.text);
    }
    EXPECT_EQ(refusals,
        QStringList({ "3 Column 3 (Frequency): \"4x2.1\" is not a frequency in MHz.",
            "4 Column 4 (Tone): \"Bogus\" is not a tone mode (Tone, TSQL, DTCS or Cross).",
            "5 Column 4 (Tone): the row ends before this column.", "7 154.570000 MHz: Invalid Frequency.",
            "8 Location 1 is already on line 2.",
            "9 Column 5 (Mode): \"AM\" is not a mode this radio has (FM or NFM)." }));
    EXPECT_EQ(xml(*document), before);
    EXPECT_FALSE(import.apply(*document, false).kept);
    EXPECT_EQ(xml(*document), before);
    const ChannelImportReport partial = import.apply(*document, true);
    EXPECT_TRUE(partial.kept);
    EXPECT_EQ(document->undoStack()->count(), 1);
    EXPECT_EQ(child(*document, "channels", 0).GetAttributeValue("name").toString(), QStringLiteral("OK"));
}

TEST_F(ChannelCsvTest, AFileNotInTheFormatOrTooLongIsRefusedAsAWhole)
{
    auto document = fromTemplate(QStringLiteral("KUR51673"));
    EXPECT_TRUE(CChannelCsvImport("Name,Freq\nA,1\n")
                    .preview(*document)
                    .formatError.contains("Location and Frequency"));
    QByteArray many = "Location,Frequency\n";
    for (int i = 0; i <= ChannelCsv::kMaxRows; ++i)
        many += "1,462.5625\n";
    EXPECT_TRUE(CChannelCsvImport(many).preview(*document).formatError.contains("more than"));
}

TEST_F(ChannelCsvTest, AFullFrequencyTableRefusesTheRowThatNeedsAnotherEntry)
{
    auto document = fromTemplate(QStringLiteral("KUR51673"));
    CDataItem frequencies = child(*document, "frequencies");
    for (quint32 hz = 450000000; frequencies.GetChildCount() < 99; hz += 12500)
        document->addFrequency(frequencies, { -1, hz, 2, 2, 2 }, "Add");
    const ChannelImportReport report
        = CChannelCsvImport("Location,Frequency\n1,469.9875\n").preview(*document);
    ASSERT_EQ(report.refusedRows, 1);
    EXPECT_TRUE(report.notes.first().text.contains("full")) << report.text().toStdString();
}

} // namespace
