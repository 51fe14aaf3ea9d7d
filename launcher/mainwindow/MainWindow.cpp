// The main window's rules, stated in twips and driven through the strip's and the boxes' views.
#include "mainwindow/MainWindow.h"

#include "launchlist/ListRules.h"
#include "mainwindow/StripKeys.h"
#include "mainwindow/StripLayout.h"
#include "mainwindow/Twips.h"
#include "mainwindow/WindowGeometry.h"
#include "messages/MessageIds.h"
#include "messages/Messages.h"

namespace orbilo {

MainWindow::MainWindow(Context& ctx, ListRules& rules, Messages& messages, StripView& strip,
                       BrowseView& browse, ChooseView& choose)
    : m_ctx(ctx), m_rules(rules), m_messages(messages), m_strip(strip), m_browse(browse), m_choose(choose) {}

void MainWindow::Start() {
    WindowState& window = m_ctx.window;
    const ScreenMetrics screen = m_strip.Screen();
    window.AddUrlBoxShown = m_ctx.options.ShowAddUrlBoxAtStart == 1;
    m_strip.ShowFrameWeb(window.AddUrlBoxShown);
    m_strip.ShowRunButton(m_ctx.siblings.SiblingLast != -1);

    const StripMeasures measures =
        MeasureStrip(kTwipsPerInch / screen.twipsPerPixelX, kTwipsPerInch / screen.twipsPerPixelY);
    window.NarrowWidth = measures.narrowWidth;
    window.WideWidth = measures.wideWidth;
    window.StripHeight = measures.stripHeight;

    m_strip.SetStripSize(CurrentWidth(), window.StripHeight);
    // A position saved on a larger screen (or a damaged settings file) would leave the strip
    // where no mouse can reach it to pull it back; it starts inside the same margins instead.
    m_strip.MoveStrip(KeepOnScreen({m_ctx.settingsFile.Left, m_ctx.settingsFile.Top}, CurrentWidth(),
                                   window.StripHeight, ScreenWidth(), ScreenHeight()));
    m_strip.SetCommandWebPicture(window.AddUrlBoxShown);

    m_strip.EnableWebName(false);
    m_strip.EnableAddWeb(false);
    m_strip.ShowAddedInfo(false);

    m_strip.SetInstructionText(m_ctx.app.programName);
    m_strip.SelectInstructionText();
    window.IdleTicks = 0;
    SetTimerOnTop(m_ctx.options.AlwaysOnTop == 1);
}

void MainWindow::CommandWebClick() {
    WindowState& window = m_ctx.window;
    window.AddUrlBoxShown = !window.AddUrlBoxShown;
    m_strip.ShowAddedInfo(false);
    m_strip.ShowFrameWeb(window.AddUrlBoxShown);

    const int width = CurrentWidth();
    m_strip.SetStripSize(width, window.StripHeight);
    m_strip.SetCommandWebPicture(window.AddUrlBoxShown);
    const TwipsPoint position = m_strip.StripPosition();
    const int left = LeftAfterAddUrlToggle(position.left, width, ScreenWidth());
    if (left != position.left) m_strip.MoveStrip({left, position.top});

    if (window.AddUrlBoxShown) {
        m_strip.SetWebUrl("");
        m_strip.SetWebName("");
        TextWebUrlChange();
    }
    EmptyTextMain();
}

void MainWindow::CommandMenuClick(int index) {
    if (index < 0 || index >= kMenuCount) return;
    WindowState& window = m_ctx.window;
    if (window.OpenMenuIndex != -1 && window.OpenMenuIndex != index) {
        m_browse.HideBrowse();
        m_choose.HideChoose();
    }
    window.OpenMenuIndex = window.OpenMenuIndex == index ? -1 : index;

    if (window.OpenMenuIndex == -1) {
        SetTimerOnTop(m_ctx.options.AlwaysOnTop == 1);
    } else {
        Suspend();
    }

    if (window.OpenMenuIndex == 2 && m_ctx.launchList.AllEmpty()) {
        // No box is open while the message shows, so closing it brings floating back.
        window.OpenMenuIndex = -1;
        ShowListMessage(kMessageEmptyList);
        ResetMenuButtons(-1);
        return;
    }

    SetMenuCaptions(window.OpenMenuIndex);
    if (index <= 1) {
        AddToListDispatcher(index);
    } else {
        ListDispatcher(index);
    }
}

void MainWindow::AddToListDispatcher(int box) {
    if (m_ctx.window.OpenMenuIndex == -1) {
        m_choose.HideChoose();
        m_browse.ClearBrowseFields();
        m_browse.HideBrowse();
        EmptyTextMain();
        return;
    }
    const BrowseLayout layout = PlaceBrowse(box, m_strip.StripPosition(), m_ctx.window.StripHeight);
    m_choose.HideChoose();
    m_browse.OpenBrowse(layout);
    EmptyTextMain();
}

void MainWindow::ListDispatcher(int box) {
    if (m_ctx.window.OpenMenuIndex == -1) {
        m_browse.HideBrowse();
        m_choose.HideChoose();
        EmptyTextMain();
        return;
    }

    ChooseRequest request;
    request.box = box;
    for (std::size_t group = 0; group < kGroupCount; ++group) {
        request.groupFilled[group] = !m_ctx.launchList.groups[group].Empty();
    }
    request.userPicture = !m_ctx.user.UserPic.empty();
    request.siblingLast = m_ctx.siblings.SiblingLast;
    request.strip = m_strip.StripPosition();
    request.stripHeight = m_ctx.window.StripHeight;
    request.screenHeight = ScreenHeight();

    switch (box) {
        case 2:
            m_choose.PrepareListBox();
            break;
        case 3:
            m_ctx.interpreter.PickedSibling = -1;
            break;
        case 4:
            m_choose.PrepareOptionsBox(m_ctx.options.StartWithWindows == 1, m_ctx.options.AlwaysOnTop == 1,
                                       m_ctx.options.ShowAddUrlBoxAtStart == 1,
                                       !m_ctx.location.RemovableMode);
            break;
        case 5:
            m_ctx.window.HelpPicture = m_ctx.window.HelpPicture == 1 ? 0 : 1;
            m_choose.ShowHelpPicture(m_ctx.window.HelpPicture);
            break;
        default:
            break;
    }

    const ChoosePlacement placement = PlaceChoose(request);
    if (!(placement.strip == request.strip)) m_strip.MoveStrip(placement.strip);
    m_browse.HideBrowse();
    m_choose.OpenChoose(placement.layout);
    EmptyTextMain();
}

void MainWindow::CommandMinClick() {
    WindowState& window = m_ctx.window;
    if (window.OpenMenuIndex != -1) CommandMenuClick(window.OpenMenuIndex);
    if (window.TimerOnTopEnabled) {
        window.TimerOnTopEnabled = false;
        m_strip.SetTimerOnTop(false);
        m_strip.MakeNotTopmost();
        window.TimerWatchOnTopEnabled = true;
        m_strip.SetTimerWatchOnTop(true);
    }
    m_strip.MinimizeStrip();
}

void MainWindow::CommandExitClick() {
    m_strip.CloseStrip();
}

void MainWindow::FunctionKey(int number) {
    const StripKey key = FunctionKeyAction(number, m_ctx.siblings.SiblingLast);
    switch (key.action) {
        case StripAction::ToggleAddUrl:
            CommandWebClick();
            break;
        case StripAction::ToggleBox:
            CommandMenuClick(key.box);
            break;
        case StripAction::Minimize:
            CommandMinClick();
            break;
        case StripAction::Exit:
            CommandExitClick();
            break;
        case StripAction::ClearText:
            EmptyTextMain();
            break;
        case StripAction::None:
            break;
    }
}

void MainWindow::ResetMenuButtons(int index) {
    SetMenuCaptions(index);
    EmptyTextMain();
}

void MainWindow::CloseBox(bool resumeFloating) {
    m_browse.HideBrowse();
    m_choose.HideChoose();
    m_ctx.window.OpenMenuIndex = -1;
    ResetMenuButtons(-1);
    if (resumeFloating) SetTimerOnTop(m_ctx.options.AlwaysOnTop == 1);
}

void MainWindow::SetMenuCaptions(int openIndex) {
    for (int i = 0; i < kMenuCount; ++i) {
        m_strip.SetMenuCaption(i, i == openIndex ? kOpenBoxGlyph : kMenuGlyphs[static_cast<std::size_t>(i)]);
    }
}

void MainWindow::EmptyTextMain() {
    m_strip.SetInstructionText("");
    m_strip.FocusTextMain();
}

void MainWindow::TextWebUrlChange() {
    m_strip.ShowAddedInfo(false);
    if (!m_strip.WebUrl().empty()) {
        m_strip.EnableWebName(true);
        m_strip.EnableAddWeb(!m_strip.WebName().empty());
    } else {
        m_strip.EnableWebName(false);
        m_strip.EnableAddWeb(false);
    }
}

void MainWindow::TextWebNameChange() {
    m_strip.EnableAddWeb(!m_strip.WebName().empty() && !m_strip.WebUrl().empty());
}

void MainWindow::TextWebNameEnter() {
    if (m_strip.WebName().empty() || m_strip.WebUrl().empty()) return;
    CommandAddWebClick();
}

void MainWindow::CommandAddWebClick() {
    const std::string url = m_strip.WebUrl();
    const std::string name = m_strip.WebName();
    // The button is disabled then; a click that slips through adds nothing.
    if (url.empty() || name.empty()) return;

    const std::string refusal = m_rules.CheckAddUrl(name, url);
    if (!refusal.empty()) {
        ShowListMessage(refusal);
        if (refusal == kMessageNameAlreadyListed) {
            m_strip.SetWebName("");
            TextWebNameChange();
            m_strip.FocusWebName();
        }
        return;
    }
    const AddOutcome outcome = m_rules.AddWebItem(name, url);
    if (!outcome.Added()) {
        ShowListMessage(outcome.messageId);
        return;
    }
    m_strip.SetWebName("");
    TextWebNameChange();
    m_strip.SetWebUrl("");
    TextWebUrlChange();
    m_strip.ShowAddedInfo(true);
    EmptyTextMain();
}

void MainWindow::FrameAddedInfoClick() {
    m_strip.ShowAddedInfo(false);
}

void MainWindow::TimerOnTopTick() {
    WindowState& window = m_ctx.window;
    if (!window.TimerOnTopEnabled) return;
    m_strip.MakeTopmost();
    if (!m_strip.InstructionText().empty()) {
        window.IdleTicks = 0;
        return;
    }
    if (++window.IdleTicks > kIdleTicksLimit) {
        window.IdleTicks = 0;
        m_strip.SetInstructionText(m_ctx.app.IdleText);
    }
}

void MainWindow::TimerWatchOnTopTick() {
    WindowState& window = m_ctx.window;
    if (!window.TimerWatchOnTopEnabled || m_strip.IsMinimized()) return;
    window.TimerWatchOnTopEnabled = false;
    m_strip.SetTimerWatchOnTop(false);
    SetTimerOnTop(m_ctx.options.AlwaysOnTop == 1);
    m_strip.FocusTextMain();
}

void MainWindow::SurfaceMouse(unsigned buttons) {
    if (buttons == kLeftButton) m_strip.StartSystemMove();
    KeepStripOnScreen();
}

void MainWindow::KeepStripOnScreen() {
    const TwipsPoint position = m_strip.StripPosition();
    const TwipsPoint kept =
        KeepOnScreen(position, CurrentWidth(), m_ctx.window.StripHeight, ScreenWidth(), ScreenHeight());
    if (!(kept == position)) m_strip.MoveStrip(kept);
}

bool MainWindow::TimerOnTopEnabled() const {
    return m_ctx.window.TimerOnTopEnabled;
}

void MainWindow::Suspend() {
    if (!m_ctx.window.TimerOnTopEnabled) return;
    m_ctx.window.TimerOnTopEnabled = false;
    m_strip.SetTimerOnTop(false);
    m_strip.MakeNotTopmost();
}

void MainWindow::SetTimerOnTop(bool enabled) {
    const bool wasEnabled = m_ctx.window.TimerOnTopEnabled;
    m_ctx.window.TimerOnTopEnabled = enabled;
    m_strip.SetTimerOnTop(enabled);
    // A strip that stops floating leaves the topmost band, as the plain state has it.
    if (wasEnabled && !enabled) m_strip.MakeNotTopmost();
}

void MainWindow::ShowListMessage(const std::string& messageId) {
    m_ctx.message.MessageID = messageId;
    m_messages.ShowListMessage();
}

int MainWindow::CurrentWidth() const {
    return m_ctx.window.AddUrlBoxShown ? m_ctx.window.WideWidth : m_ctx.window.NarrowWidth;
}

int MainWindow::ScreenWidth() const {
    return m_strip.Screen().widthTwips;
}

int MainWindow::ScreenHeight() const {
    return m_strip.Screen().heightTwips;
}

}  // namespace orbilo
