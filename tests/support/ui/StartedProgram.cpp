#include "StartedProgram.h"
#include "StoredSettings.h"

namespace testing {

QByteArray loopbackTable(quint16 port)
{
    const QByteArray p = QByteArray::number(port);
    return "com|127.0.0.1|" + p + "|Enabled|0|No match\r\nnet|127.0.0.1|" + p + "|Enabled|0|No match\r\n";
}

PreparedFolder::PreparedFolder(const QByteArray &table, const QList<QPair<QString, QByteArray>> &files)
{
    folder.write(QStringLiteral("TLDs.txt"), table);
    for (const auto &[name, content] : files)
        folder.write(name, content);
}

StartedProgram::StartedProgram(const TestFolder &folder)
    : context(std::make_unique<app::AppContext>(folder.appFolder(), folder.settingsFolder(), fakes.services()))
{
    app::initPartnerLinks(context->links);
    context->settings.setFirstUseShown();
    context->settings.setHelpPending(false);
    context->settings.setPopularTldsOffered();
    // Tests never ask the system's resolvers; a test of the DNS pre-check points it at its own responder.
    if (testing::StoredSettings(context->settings.folder()).setting(QStringLiteral("CheckDNS")).isEmpty())
        context->settings.setCheckDnsFirst(false);
    window = std::make_unique<app::MainWindow>(*context);
    window->load();
}

} // namespace testing
