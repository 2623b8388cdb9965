#include <gtest/gtest.h>

#include <stdexcept>

#include "fakes/fake_dialogs.h"
#include "ui/form.h"
#include "ui/headless_application.h"

namespace orvella::ui {
namespace {

struct RecordingForm : Form {
    RecordingForm(std::string name, Application& app, std::vector<std::string>& log)
        : Form(std::move(name), app), log_(log) {}
    void FormCreate() override { log_.push_back(Name() + ".create"); }
    void FormShow() override { log_.push_back(Name() + ".show"); }
    void FormDestroy() override { log_.push_back(Name() + ".destroy"); }
    std::vector<std::string>& log_;
};

TEST(Application, CreatesShowsMainAndDestroysInReverseOrder) {
    FakeDialogs dialogs;
    HeadlessApplication app(dialogs);
    std::vector<std::string> log;
    RecordingForm a("a", app, log), b("b", app, log);
    app.CreateForm(a);
    app.CreateForm(b);
    app.Run();
    EXPECT_EQ(log, (std::vector<std::string>{"a.create", "b.create", "a.show", "b.destroy", "a.destroy"}));
}

TEST(Application, AnEndingSessionRunsTheDestructionHandlersOnce) {
    struct LoggedOffForm : RecordingForm {
        using RecordingForm::RecordingForm;
        void FormShow() override {
            RecordingForm::FormShow();
            App().EndSession();  // what the binding does when the user logs off
        }
    };
    FakeDialogs dialogs;
    HeadlessApplication app(dialogs);
    std::vector<std::string> log;
    LoggedOffForm main("main", app, log);
    RecordingForm other("other", app, log);
    app.CreateForm(main);
    app.CreateForm(other);
    app.Run();
    EXPECT_EQ(log, (std::vector<std::string>{"main.create", "other.create", "main.show", "other.destroy",
                                             "main.destroy"}));
}

TEST(Application, ErrorEscapingAHandlerIsShownAndTheProgramGoesOn) {
    FakeDialogs dialogs;
    HeadlessApplication app(dialogs);
    bool after = false;
    app.Dispatch([] { throw std::runtime_error("boom"); });
    app.Dispatch([&] { after = true; });
    EXPECT_EQ(dialogs.exceptions, std::vector<std::string>{"boom"});
    EXPECT_TRUE(after);
}

TEST(Application, OneRefusalOnTheWayOutIsShownOnceAndEveryWindowStillTries) {
    struct RefusingForm : RecordingForm {
        RefusingForm(std::string name, Application& app, std::vector<std::string>& log, std::string error)
            : RecordingForm(std::move(name), app, log), error_(std::move(error)) {}
        void FormDestroy() override {
            RecordingForm::FormDestroy();
            throw std::runtime_error(error_);
        }
        std::string error_;
    };
    FakeDialogs dialogs;
    HeadlessApplication app(dialogs);
    std::vector<std::string> log;
    RefusingForm a("a", app, log, "Unable to write to x.ini"), b("b", app, log, "Unable to write to x.ini"),
        c("c", app, log, "other");
    app.CreateForm(a);
    app.CreateForm(b);
    app.CreateForm(c);
    app.Run();
    EXPECT_EQ(log, (std::vector<std::string>{"a.create", "b.create", "c.create", "a.show", "c.destroy", "b.destroy",
                                             "a.destroy"}));
    EXPECT_EQ(dialogs.exceptions, (std::vector<std::string>{"other", "Unable to write to x.ini"}));
}

TEST(Application, ClosingTheMainFormEndsTheRun) {
    FakeDialogs dialogs;
    HeadlessApplication app(dialogs);
    std::vector<std::string> log;
    RecordingForm main("main", app, log), other("other", app, log);
    app.CreateForm(main);
    app.CreateForm(other);
    other.Show();
    other.Close();
    EXPECT_FALSE(app.Terminated());
    main.Show();
    main.Close();
    EXPECT_TRUE(app.Terminated());
}

TEST(ApplicationTitle, IsTheFileNameUpToItsFirstDotWithLaterLettersLowered) {
    EXPECT_EQ(ApplicationTitleFromPath("C:\\Program Files\\ORVELLA.EXE"), "Orvella");
    EXPECT_EQ(ApplicationTitleFromPath("/x/Orvella.v2.exe"), "Orvella");
}

}  // namespace
}  // namespace orvella::ui
