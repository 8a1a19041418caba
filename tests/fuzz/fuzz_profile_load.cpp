// Feeds arbitrary file bytes through the profile reader and the model: any
// input must end in a loaded profile or a coded error, never a crash.
#include "TestEnvironment.h"
#include "base/MessageReporter.h"
#include "base/TextFile.h"
#include "base/VelaException.h"
#include "model/RadioDataModel.h"

#include <QCoreApplication>

#include <cstdint>

namespace {

class SilentReporter : public MessageReporter {
public:
    int show(const QString &, unsigned) override { return MsgAnswer::No; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = { name, nullptr };
    static QCoreApplication app(argc, argv);
    static SilentReporter reporter;
    static ScopedConfig config; // the source tree's product data
    static CRadioDataModel *model = [] {
        MessageReporter::install(&reporter);
        return new CRadioDataModel();
    }();

    QString text;
    if (!DecodeTextFile(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), text))
        return 0;
    try {
        model->LoadProfile(text, false);
    } catch (const CVelaCPSException &exception) {
        if (exception.code() != 135 && exception.code() != 136)
            __builtin_trap();
    }
    return 0;
}
