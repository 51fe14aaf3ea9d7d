// Orbilo's entry point: builds the platform services, the context and the forms, runs the
// start-up checks and, when they pass, shows the strip and enters the event loop.
#include <QApplication>

#include "dialogs/frmBrowse.h"
#include "dialogs/frmChoose.h"
#include "interpreter/Autocompletion.h"
#include "interpreter/Interpreter.h"
#include "interpreter/LaunchActions.h"
#include "launchlist/ListRules.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/frmMain.h"
#include "messages/Messages.h"
#include "messages/frmMessage.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/WindowActivation.h"
#include "startup/Context.h"
#include "startup/Startup.h"
#include "suite/SuiteActions.h"

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

    // The three forms in their order: the strip, the Add To List form and the list form.
    orbilo::frmMain strip(ctx);
    orbilo::frmBrowse addToListForm;
    orbilo::frmChoose listForm(ctx);
    orbilo::ListRules listRules(ctx, services.fileSystem);
    orbilo::MainWindow window(ctx, listRules, messages, strip, addToListForm, listForm);
    strip.SetLogic(window);
    addToListForm.SetCancelHandler([&window] { window.CloseBox(true); });
    listForm.SetCancelHandler([&window] { window.CloseBox(true); });
    messages.SetFloating(&window);
    orbilo::LaunchActions actions(ctx, services.shell, strip.Box());
    orbilo::Autocompletion completion(ctx);
    completion.Prepare();
    orbilo::Interpreter interpreter(ctx, services.shell, messages, strip.Box(), actions, window);
    strip.Attach(interpreter, completion);
    orbilo::SuiteActions suiteActions(ctx, services.shell, services.beacon, messages);
    interpreter.SetSiblingRunner(&suiteActions);
    strip.SetClosingHandler([&startup](int top, int left) { startup.SaveAtExit(top, left); });
    services.beacon.SetActivateHandler([&strip] {
        strip.BringForward();
        orbilo::platform::ActivateOnBehalfOfUser(strip.windowHandle());
    });
    window.Start();
    strip.ShowStrip();

    if (ctx.FirstStart) {
        startup.AfterShow();
        // The notice was shown before the strip could take the keyboard; give it back now.
        strip.BringForward();
    }
    if (ctx.endRequested) return 0;
    const int status = QApplication::exec();
    messages.SetFloating(nullptr);
    return status;
}
