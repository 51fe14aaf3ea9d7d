// Orbilo's entry point: builds the platform services, the context and the forms, runs the
// start-up checks and, when they pass, shows the strip and enters the event loop.
#include <QApplication>

#include "interpreter/Autocompletion.h"
#include "interpreter/Interpreter.h"
#include "interpreter/LaunchActions.h"
#include "mainwindow/frmMain.h"
#include "messages/Messages.h"
#include "messages/frmMessage.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/WindowActivation.h"
#include "startup/Context.h"
#include "startup/Startup.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbilo"));

    orbilo::platform::LinuxPlatform platform;
    const orbilo::Services services = platform.GetServices();

    orbilo::Context ctx;
    orbilo::frmMessage messageDialog;
    orbilo::Messages messages(ctx, services.settings, services.shell, messageDialog);
    orbilo::Startup startup(ctx, services, messages);

    if (startup.Main() == orbilo::StartupOutcome::EndProgram) return 0;

    orbilo::frmMain strip(ctx);
    orbilo::LaunchActions actions(ctx, services.shell, strip.Box());
    orbilo::Autocompletion completion(ctx);
    completion.Prepare();
    orbilo::Interpreter interpreter(ctx, services.shell, messages, strip.Box(), actions, strip);
    strip.Attach(interpreter, completion);
    strip.SetClosingHandler([&startup](int top, int left) { startup.SaveAtExit(top, left); });
    services.beacon.SetActivateHandler([&strip] {
        strip.BringForward();
        orbilo::platform::ActivateOnBehalfOfUser(strip.windowHandle());
    });
    strip.ShowStrip();

    if (ctx.FirstStart) {
        startup.AfterShow();
        // The notice was shown before the strip could take the keyboard; give it back now.
        strip.BringForward();
    }
    if (ctx.endRequested) return 0;
    return QApplication::exec();
}
