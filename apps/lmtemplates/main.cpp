// lmtemplates: loads, lists, shows, exports, checks and renders the templates of a content tree,
// and generates its white list.

#include "LMToolCommand.h"
#include "LMToolCommandArticles.h"
#include "LMToolCommandBook.h"
#include "LMToolCommandCheck.h"
#include "LMToolCommandExport.h"
#include "LMToolCommandLayout.h"
#include "LMToolCommandList.h"
#include "LMToolCommandLoad.h"
#include "LMToolCommandRender.h"
#include "LMToolCommandSheet.h"
#include "LMToolCommandShow.h"
#include "LMToolCommandStyles.h"
#include "LMToolCommandWhiteList.h"

#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<LMToolCommand>> makeCommands()
{
    std::vector<std::unique_ptr<LMToolCommand>> aCommands;
    aCommands.push_back(std::make_unique<LMToolCommandArticles>());
    aCommands.push_back(std::make_unique<LMToolCommandLoad>());
    aCommands.push_back(std::make_unique<LMToolCommandList>());
    aCommands.push_back(std::make_unique<LMToolCommandShow>());
    aCommands.push_back(std::make_unique<LMToolCommandExport>());
    aCommands.push_back(std::make_unique<LMToolCommandCheck>());
    aCommands.push_back(std::make_unique<LMToolCommandRender>());
    aCommands.push_back(std::make_unique<LMToolCommandSheet>());
    aCommands.push_back(std::make_unique<LMToolCommandLayout>());
    aCommands.push_back(std::make_unique<LMToolCommandStyles>());
    aCommands.push_back(std::make_unique<LMToolCommandBook>());
    aCommands.push_back(std::make_unique<LMToolCommandWhiteList>());
    return aCommands;
}

QString usage(const std::vector<std::unique_ptr<LMToolCommand>>& theCommands)
{
    QString aText = QStringLiteral("Usage: lmtemplates <command> [options]\n\n"
                                   "The templates of a content tree, as the editor loads them.\n\nCommands:\n");
    for (const auto& aCommand : theCommands)
        aText += QStringLiteral("  %1 %2\n").arg(aCommand->name(), -10).arg(aCommand->description());
    aText += QStringLiteral("\nRun 'lmtemplates <command> --help' for the options of a command.\n");
    return aText;
}

LMToolCommand* findCommand(const std::vector<std::unique_ptr<LMToolCommand>>& theCommands, const QString& theName)
{
    for (const auto& aCommand : theCommands) {
        if (aCommand->name() == theName)
            return aCommand.get();
    }
    return nullptr;
}

// The offscreen platform asks for a runtime folder, which machines without a desktop session
// (containers, CI) do not have: the tool never uses it, so that one complaint is dropped.
QtMessageHandler ourPreviousHandler = nullptr;
void dropRuntimeFolderWarning(QtMsgType theType, const QMessageLogContext& theContext, const QString& theMessage)
{
    if (theType == QtWarningMsg && theMessage.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    ourPreviousHandler(theType, theContext, theMessage);
}
} // namespace

int main(int argc, char* argv[])
{
    // QGuiApplication takes "-style" and "--style" for itself (a widget style) and drops them; the
    // book command's --style reaches it under the option's second name.
    std::vector<QByteArray> aRenamed;
    aRenamed.reserve(size_t(argc));
    for (int i = 1; i < argc; ++i) {
        const QByteArray anArgument(argv[i]);
        for (const QByteArray& aName : { QByteArrayLiteral("--style"), QByteArrayLiteral("-style") }) {
            if (anArgument == aName || anArgument.startsWith(aName + '=')) {
                aRenamed.push_back(QByteArrayLiteral("--design-style") + anArgument.mid(aName.size()));
                argv[i] = aRenamed.back().data();
                break;
            }
        }
    }
    // The tool draws pictures (thumbnails, sheets) but never opens a window: it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ourPreviousHandler = qInstallMessageHandler(dropRuntimeFolderWarning);
    QGuiApplication anApp(argc, argv);
    qInstallMessageHandler(ourPreviousHandler);
    QCoreApplication::setApplicationName(QStringLiteral("lmtemplates"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LM_TOOL_VERSION));
    const std::vector<std::unique_ptr<LMToolCommand>> aCommands = makeCommands();

    QStringList anArguments = QCoreApplication::arguments();
    if (anArguments.size() < 2) {
        std::fputs(usage(aCommands).toUtf8().constData(), stderr);
        return LMToolCommand::UsageError;
    }
    // Options may come before the command ("lmtemplates --content DIR check"): the command
    // is the first argument that names one, and it moves to the front.
    for (qsizetype i = 2; i < anArguments.size(); ++i) {
        if (!anArguments.at(1).startsWith(QLatin1Char('-')))
            break;
        if (findCommand(aCommands, anArguments.at(i))) {
            anArguments.move(i, 1);
            break;
        }
    }
    const QString aName = anArguments.at(1);
    if (aName == QLatin1String("--version")) {
        std::printf("lmtemplates %s\n", LM_TOOL_VERSION);
        return LMToolCommand::Success;
    }
    // "help <command>" is "<command> --help".
    if (aName == QLatin1String("help") && anArguments.size() > 2 && findCommand(aCommands, anArguments.at(2)))
        anArguments = QStringList { anArguments.at(0), anArguments.at(2), QStringLiteral("--help") };
    else if (aName == QLatin1String("--help") || aName == QLatin1String("-h") || aName == QLatin1String("help")) {
        std::fputs(usage(aCommands).toUtf8().constData(), stdout);
        return LMToolCommand::Success;
    }
    if (LMToolCommand* aCommand = findCommand(aCommands, anArguments.at(1))) {
        // The command's parser sees "lmtemplates <command>" as the program.
        const QString aCommandName = anArguments.takeAt(1);
        anArguments[0] += QLatin1Char(' ') + aCommandName;
        return aCommand->run(anArguments);
    }
    LMToolCommand::printError(QStringLiteral("unknown command: %1").arg(anArguments.at(1)));
    std::fputs(usage(aCommands).toUtf8().constData(), stderr);
    return LMToolCommand::UsageError;
}
