#include "ui/batch_runner.h"

#include <QCoreApplication>
#include <algorithm>
#include <cctype>
#include <deque>
#include <fstream>
#include <ostream>

#include "app/command_ids.h"
#include "app/file_commands.h"
#include "app/settings_io.h"
#include "app/settings_profile.h"
#include "app/string_table.h"
#include "ui/batch_script.h"
#include "ui/command_bars.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace wayloom {

namespace {

// The colour, customise, font, picture, options dialogs and the about box are Qt dialogs of their
// own with no scripted answers; running them headless would wait forever.
bool OpensUnscriptedDialog(int command) {
    switch (static_cast<CommandId>(command)) {
    case CommandId::ToolbarColour:
    case CommandId::CustomizeToolbar:
    case CommandId::TableFont:
    case CommandId::BackgroundPicture:
    case CommandId::Options:
    case CommandId::About:
        return true;
    default:
        return false;
    }
}

// The user, played by the script: queued answers for boxes and dialogs, the path for the file
// dialog of the line being run.
class ScriptedUser final : public UiPort, public FileDialogPort {
public:
    explicit ScriptedUser(std::ostream& out) : out_(out) {}

    std::deque<int> answers;
    std::optional<FileDialogOperation> dialogOperation;  // the file dialog the current line answers
    FileDialogAnswer dialogAnswer;
    bool lineFailed = false;

    MessageAnswer showMessage(std::u16string_view text, MessageIcon, MessageButtons buttons,
                              MessageAnswer defaultButton) override {
        out_ << "message: " << EscapeLine(ToUtf8(text)) << '\n';
        const std::vector<int> allowed = Buttons(buttons);
        return static_cast<MessageAnswer>(NextAnswer(allowed, static_cast<int>(defaultButton)));
    }

    DuplicateAnswer askDuplicateName(std::u16string_view name) override {
        out_ << "dialog: " << ToUtf8(Text(TextId::DuplicateDialogTitle)) << ": " << EscapeLine(ToUtf8(name)) << '\n';
        return static_cast<DuplicateAnswer>(NextAnswer({5002, 5003, 5004, 2}, static_cast<int>(DuplicateAnswer::KeepAll)));
    }

    SameFileAnswer askSameFile(std::u16string_view fileName) override {
        out_ << "dialog: " << ToUtf8(Text(TextId::SameFileDialogTitle)) << ": " << EscapeLine(ToUtf8(fileName)) << '\n';
        return static_cast<SameFileAnswer>(NextAnswer({6, 5002, 7, 5003, 2}, static_cast<int>(SameFileAnswer::Cancel)));
    }

    std::optional<FileDialogAnswer> askFilePath(const FileDialogRequest& request) override {
        out_ << "dialog: " << ToUtf8(Text(DialogTitle(request.operation))) << '\n';
        if (dialogOperation != request.operation) {
            out_ << "note: no path for this dialog, cancelled\n";
            return std::nullopt;
        }
        dialogOperation.reset();
        return dialogAnswer;
    }

private:
    static std::vector<int> Buttons(MessageButtons buttons) {
        switch (buttons) {
        case MessageButtons::Ok: return {1};
        case MessageButtons::OkCancel: return {1, 2};
        case MessageButtons::YesNoCancel: return {6, 7, 2};
        }
        return {1};
    }

    int NextAnswer(const std::vector<int>& allowed, int defaultAnswer) {
        if (answers.empty()) {
            out_ << "note: no answer queued, default " << defaultAnswer << '\n';
            return defaultAnswer;
        }
        const int answer = answers.front();
        answers.pop_front();
        if (std::find(allowed.begin(), allowed.end(), answer) == allowed.end()) {
            out_ << "error: answer " << answer << " is not a button of this box, default " << defaultAnswer << '\n';
            lineFailed = true;
            return defaultAnswer;
        }
        return answer;
    }

    std::ostream& out_;
};

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

class BatchRun {
public:
    BatchRun(MainWindow& window, CommandBars& bars, ScriptedUser& user, std::ostream& out)
        : window_(window), bars_(bars), user_(user), out_(out) {}

    // Returns the error text of a failed line, or an empty text.
    std::string runLine(const std::vector<std::string>& words);

private:
    std::string fileCommand(FileDialogOperation operation, CommandId command, const std::vector<std::string>& words);
    std::string select(const std::vector<std::string>& words);
    std::string option(const std::vector<std::string>& words);
    void dump();
    void state();
    void settle();

    MainWindow& window_;
    CommandBars& bars_;
    ScriptedUser& user_;
    std::ostream& out_;
};

// Posted commands (a new document after a failed open, ...) run before the next line.
void BatchRun::settle() {
    for (int pass = 0; pass < 100; ++pass) {
        QCoreApplication::processEvents();
        if (!window_.hasPostedCommands()) break;
    }
}

std::string BatchRun::runLine(const std::vector<std::string>& words) {
    const std::string& verb = words[0];
    const std::size_t args = words.size() - 1;
    std::string error;
    if (verb == "open" || verb == "import") {
        if (args != 1) return verb + " takes one path";
        error = fileCommand(verb == "open" ? FileDialogOperation::Open : FileDialogOperation::Import,
                            verb == "open" ? CommandId::Open : CommandId::Import, words);
    } else if (verb == "save-as" || verb == "export") {
        if (args < 1 || args > 2) return verb + " takes a path and an optional encoding";
        error = fileCommand(verb == "save-as" ? FileDialogOperation::SaveAs : FileDialogOperation::Export,
                            verb == "save-as" ? CommandId::SaveAs : CommandId::Export, words);
    } else if (verb == "save" || verb == "new") {
        if (args != 0) return verb + " takes no arguments";
        window_.runCommand(ToInt(verb == "save" ? CommandId::Save : CommandId::New));
    } else if (verb == "command") {
        const std::optional<int> id = args == 1 ? ParseInteger(words[1]) : std::nullopt;
        if (!id) return "command takes one command number";
        if (OpensUnscriptedDialog(*id))
            return "command " + words[1] + " opens a dialog a script cannot answer (use option lines for 1057)";
        window_.runCommand(*id);
    } else if (verb == "select") {
        error = select(words);
    } else if (verb == "edit" || verb == "edit-escape") {
        return "not available yet";
    } else if (verb == "answer") {
        if (args == 0) return "answer takes one or more button ids";
        for (std::size_t i = 1; i < words.size(); ++i) {
            const std::optional<int> id = ParseInteger(words[i]);
            if (!id) return "not a button id: " + words[i];
            user_.answers.push_back(*id);
        }
        return {};
    } else if (verb == "option") {
        error = option(words);
    } else if (verb == "dump") {
        if (args != 0) return "dump takes no arguments";
        dump();
        return {};
    } else if (verb == "state") {
        if (args != 0) return "state takes no arguments";
        state();
        return {};
    } else {
        return "unknown command: " + verb;
    }
    settle();
    if (error.empty() && user_.lineFailed) error = "an answer did not fit its box";
    return error;
}

std::string BatchRun::fileCommand(FileDialogOperation operation, CommandId command,
                                  const std::vector<std::string>& words) {
    int entry = 1;
    if (words.size() == 3) {
        static const char* const encodings[] = {"ansi", "unicode", "utf8"};
        int encoding = -1;
        for (int i = 0; i < 3; ++i)
            if (words[2] == encodings[i]) encoding = i;
        if (encoding < 0) return "unknown encoding: " + words[2] + " (ansi, unicode or utf8)";
        entry = 4 + encoding;  // the csv entries of the save filter, one per encoding
    } else if (operation == FileDialogOperation::SaveAs || operation == FileDialogOperation::Export) {
        entry = 4;  // ANSI
    }
    user_.dialogOperation = operation;
    user_.dialogAnswer = {FromUtf8(words[1]), entry};
    window_.runCommand(ToInt(command));
    const bool unanswered = user_.dialogOperation.has_value();
    user_.dialogOperation.reset();
    if (unanswered) return "the command did not ask for a file";
    return {};
}

std::string BatchRun::select(const std::vector<std::string>& words) {
    if (words.size() != 2) return "select takes all, none or a list of rows";
    WorkTable& table = window_.session().table;
    if (words[1] == "all" || words[1] == "none") {
        table.selectAll(words[1] == "all");
        return {};
    }
    const std::optional<std::vector<int>> rows = ParseRowList(words[1]);
    if (!rows) return "not a list of rows: " + words[1];
    for (const int row : *rows)
        if (!table.isValidRow(row)) return "no row " + std::to_string(row);
    table.selectAll(false);
    for (const int row : *rows) table.setSelected(row, true);
    if (!rows->empty()) table.setFocused(rows->front(), true);
    return {};
}

// As the options dialog would change it: every changed value goes through the dialog's applying path.
std::string BatchRun::option(const std::vector<std::string>& words) {
    if (words.size() != 3) return "option takes a name and a value";
    const std::optional<int> value = ParseInteger(words[2]);
    if (!value) return "not a number: " + words[2];
    Session& session = window_.session();
    if (SameNameIgnoringCase(words[1], "Adjacent Distance")) {
        window_.runCommand(ToInt(*value ? CommandId::AdjacentDistance : CommandId::BaseDistance));
        session.adjacentDistance = *value ? 1 : 0;
        return {};
    }
    Options after = session.options;
    std::optional<Option> flag;
    if (SameNameIgnoringCase(words[1], "File Count")) {
        if (*value < 1 || *value > 9) return "File Count is 1 to 9";
        after.fileCount = *value;
    } else if (SameNameIgnoringCase(words[1], "Backup Interval")) {
        if (*value < 1 || *value > 99) return "Backup Interval is 1 to 99";
        after.backupInterval = *value;
    } else {
        for (int i = 0; i < OptionCount; ++i)
            if (SameNameIgnoringCase(words[1], OptionKeys[i].key)) flag = static_cast<Option>(i);
        if (!flag) return "unknown option: " + words[1];
        after.set(*flag, *value != 0);
    }
    bars_.applyOptions(session.options, after);
    settle();
    // An option whose command is not built yet still takes its value.
    if (flag) session.options.set(*flag, *value != 0);
    return {};
}

void BatchRun::dump() {
    const Session& session = window_.session();
    const WorkTable& table = session.table;
    for (int row = 0; row < table.rowCount(); ++row) {
        out_ << row;
        for (int column : {ColumnName, ColumnLng, ColumnLat}) out_ << '\t' << EscapeLine(ToUtf8(table.text(row, column)));
        out_ << '\t' << table.mark(row);
        out_ << '\t' << ToUtf8(table.text(row, ColumnOrden));
        // The hidden Distancia column shows nothing.
        out_ << '\t' << (session.showDistance() ? ToUtf8(table.text(row, ColumnDistancia)) : std::string());
        out_ << '\t' << (table.isSelected(row) ? '*' : '-') << '\n';
    }
}

void BatchRun::state() {
    window_.tick();
    const Session& session = window_.session();
    out_ << "modified=" << (session.modified ? 1 : 0) << " title=" << window_.windowTitle().toStdString()
         << " baseRow=" << session.baseRow << " baseRowInserted=" << (session.baseRowInserted ? 1 : 0)
         << " undo=" << (session.journal.CanUndo() ? 1 : 0) << " redo=" << (session.journal.CanRedo() ? 1 : 0)
         << " rows=" << session.table.rowCount() << '\n';
}

}  // namespace

int RunBatch(const std::string& scriptPath, SettingsProfile* profile, std::ostream& out) {
    std::ifstream script(scriptPath, std::ios::binary);
    if (!script) {
        out << "error: cannot read the script " << scriptPath << '\n';
        return 1;
    }
    Session session;
    if (profile) ReadSettings(*profile, session);
    ScriptedUser user(out);
    MainWindowPorts ports;
    ports.ui = &user;
    ports.fileDialogs = &user;
    ports.scripted = true;
    // The profile is read, never written: a script leaves the user's settings as they were.
    MainWindow window(session, nullptr, ports, {});
    auto* bars = new CommandBars(window, nullptr);  // the window owns it
    BatchRun run(window, *bars, user, out);
    {
        // The start-up's posted work (none without a start-up path) settles first.
        QCoreApplication::processEvents();
    }

    bool allRan = true;
    std::string line;
    while (std::getline(script, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        const std::optional<std::vector<std::string>> words = SplitScriptLine(line);
        user.lineFailed = false;
        std::string error = words ? run.runLine(*words) : "a quote is not closed";
        if (!error.empty()) {
            out << "error: " << error << '\n';
            allRan = false;
        }
        out.flush();
    }
    return allRan ? 0 : 1;
}

}  // namespace wayloom
