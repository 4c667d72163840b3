#include "app/graph_commands.h"

#include <optional>

#include "base/text_format.h"

namespace corvinata {

namespace {

String NumberedText(const Char* pattern, int number, const String& name) {
    return FormatPercent2(pattern, NumberTextFromInt(number), name);
}

// The line at the 0-based position, by its 1-based number.
String LineText(const Char* pattern, int position, const String& name) {
    return NumberedText(pattern, position + 1, name);
}

const String& LineName(const GraphDocumentModel& document, int position) {
    static const String kNoName;
    const GraphLineData* line = document.GetGraphLine(position);
    return line ? line->Name() : kNoName;
}

// The part every graph command shares: the document it edits, the window it
// came from, and what it does once it has changed the document.
class GraphCommand : public UndoableCommand {
public:
    GraphCommand(const CommandContext& context, GraphDocumentModel& document, int window)
        : context_(context), document_(&document), window_(window) {}

    CommandKind Kind() const override { return CommandKind::GraphEdit; }
    const void* Target() const override { return document_; }

protected:
    // The window is recorded as changed and every listener hears of the edit.
    void Finish(bool applied) {
        applied_.Set(applied);
        if (!applied) return;
        document_->History().RecordChangedWindow(document_->FindView(window_));
        BroadcastNotification(context_.hub, kEventGraphEdited, 0, document_);
    }
    bool Applied() const noexcept { return applied_.Applied(); }

    CommandContext context_;
    GraphDocumentModel* document_;
    int window_;

private:
    AppliedFlag applied_;
};

// An empty graph has no first line to take its value axis from: the axis
// the graph had before the step that emptied it, or before it got its first
// line, is kept by that step and handed to the inverse, which puts it back.
// While other lines remain the first line decides as always.
using KeptAxis = std::optional<GraphAxisState>;

void SettleAxis(GraphDocumentModel& document, const KeptAxis& kept, int countForKept) {
    if (kept && document.LineCount() == countForKept) {
        document.SetAxisState(*kept);
    } else if (document.ValueKind() == kValueKindUnknown) {
        document.UpdateGraphRange();
    }
}

class DeleteGraphLineCommand;

class AddGraphLineCommand final : public CopyableCommand<AddGraphLineCommand, GraphCommand> {
public:
    // `kept`: the axis to restore when this brings back the only line.
    AddGraphLineCommand(const CommandContext& c, GraphDocumentModel& d, int w, int position,
                        const GraphLineData& line, const KeptAxis& kept = std::nullopt)
        : CopyableCommand(c, d, w), position_(position), line_(line.Clone()), kept_(kept) {}
    AddGraphLineCommand(const AddGraphLineCommand& other)
        : CopyableCommand(other), position_(other.position_), line_(other.line_->Clone()),
          kept_(other.kept_), before_(other.before_) {}

    void Execute() override {
        const bool valid = position_ >= 0 && position_ <= document_->LineCount();
        if (valid) {
            before_ = document_->AxisState();
            document_->InsertLine(*line_, position_);
            SettleAxis(*document_, kept_, 1);
        }
        Finish(valid);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override;

private:
    int position_;
    std::unique_ptr<GraphLineData> line_;
    KeptAxis kept_;
    GraphAxisState before_;
};

// Also serves InsertLine: with position -1 the line goes after the last one,
// and the position it took is kept for the inverse.
class DeleteGraphLineCommand final : public CopyableCommand<DeleteGraphLineCommand, GraphCommand> {
public:
    // `kept`: the axis to restore when this deletes the only line.
    DeleteGraphLineCommand(const CommandContext& c, GraphDocumentModel& d, int w, int position,
                           const KeptAxis& kept = std::nullopt)
        : CopyableCommand(c, d, w), position_(position), kept_(kept) {}
    DeleteGraphLineCommand(const DeleteGraphLineCommand& other)
        : CopyableCommand(other), position_(other.position_),
          deleted_(other.deleted_ ? other.deleted_->Clone() : nullptr), kept_(other.kept_),
          before_(other.before_) {}

    void Execute() override {
        const GraphLineData* line = document_->GetGraphLine(position_);
        const bool valid = line && position_ < document_->LineCount();
        if (valid) {
            deleted_ = line->Clone();
            before_ = document_->AxisState();
            document_->DeleteLine(position_);
            SettleAxis(*document_, kept_, 0);
        }
        Finish(valid);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        if (!Applied()) return std::make_unique<NoOpCommand>();
        return std::make_unique<AddGraphLineCommand>(context_, *document_, window_, position_,
                                                     *deleted_, before_);
    }

private:
    int position_;
    std::unique_ptr<GraphLineData> deleted_;
    KeptAxis kept_;
    GraphAxisState before_;
};

std::unique_ptr<UndoableCommand> AddGraphLineCommand::MakeInverse() const {
    if (!Applied()) return std::make_unique<NoOpCommand>();
    return std::make_unique<DeleteGraphLineCommand>(context_, *document_, window_, position_,
                                                    before_);
}

class InsertGraphLineCommand final : public CopyableCommand<InsertGraphLineCommand, GraphCommand> {
public:
    InsertGraphLineCommand(const CommandContext& c, GraphDocumentModel& d, int w,
                           const GraphLineData& line)
        : CopyableCommand(c, d, w), line_(line.Clone()) {}
    InsertGraphLineCommand(const InsertGraphLineCommand& other)
        : CopyableCommand(other), line_(other.line_->Clone()), position_(other.position_),
          before_(other.before_) {}

    void Execute() override {
        position_ = document_->LineCount();
        before_ = document_->AxisState();
        document_->InsertLine(*line_, position_);
        if (document_->ValueKind() == kValueKindUnknown) document_->UpdateGraphRange();
        Finish(true);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        if (!Applied()) return std::make_unique<NoOpCommand>();
        return std::make_unique<DeleteGraphLineCommand>(context_, *document_, window_, position_,
                                                        before_);
    }

private:
    std::unique_ptr<GraphLineData> line_;
    int position_ = -1;
    GraphAxisState before_;
};

class EditGraphLineCommand final : public CopyableCommand<EditGraphLineCommand, GraphCommand> {
public:
    EditGraphLineCommand(const CommandContext& c, GraphDocumentModel& d, int w, int position,
                         const GraphLineData& line)
        : CopyableCommand(c, d, w), position_(position), saved_(line.Clone()), new_(line.Clone()) {}
    EditGraphLineCommand(const EditGraphLineCommand& other)
        : CopyableCommand(other), position_(other.position_), saved_(other.saved_->Clone()),
          new_(other.new_->Clone()) {}

    void Execute() override {
        const GraphLineData* line = document_->GetGraphLine(position_);
        const bool valid = line && position_ >= 0 && position_ < document_->LineCount();
        if (valid) {
            saved_ = line->Clone();
            document_->ReplaceLine(position_, *new_);
            if (document_->ValueKind() == kValueKindUnknown) document_->UpdateGraphRange();
        }
        Finish(valid);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        if (!Applied()) return std::make_unique<NoOpCommand>();
        return std::make_unique<EditGraphLineCommand>(context_, *document_, window_, position_,
                                                      *saved_);
    }

private:
    int position_;
    std::unique_ptr<GraphLineData> saved_;
    std::unique_ptr<GraphLineData> new_;
};

// Moves the line at `position` by `offset` (+1 down, -1 up).
class MoveGraphLineCommand final : public CopyableCommand<MoveGraphLineCommand, GraphCommand> {
public:
    MoveGraphLineCommand(const CommandContext& c, GraphDocumentModel& d, int w, int position,
                         int offset)
        : CopyableCommand(c, d, w), position_(position), offset_(offset) {}

    void Execute() override {
        const int target = position_ + offset_;
        const int count = document_->LineCount();
        const bool valid = position_ >= 0 && position_ < count && target >= 0 && target < count;
        if (valid) document_->SwapLines(position_, target);
        Finish(valid);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        if (!Applied()) return std::make_unique<NoOpCommand>();
        return std::make_unique<MoveGraphLineCommand>(context_, *document_, window_,
                                                      position_ + offset_, -offset_);
    }

private:
    int position_;
    int offset_;
};

class SelectGraphLineCommand final : public CopyableCommand<SelectGraphLineCommand, GraphCommand> {
public:
    SelectGraphLineCommand(const CommandContext& c, GraphDocumentModel& d, int w, int selection)
        : CopyableCommand(c, d, w), new_(selection) {}

    void Execute() override {
        previous_ = document_->SelectedLine();
        const bool exists = new_ >= 0 && new_ < document_->LineCount();
        document_->SetSelectedLine(exists ? new_ : -1);
        Finish(true);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        return std::make_unique<SelectGraphLineCommand>(context_, *document_, window_, previous_);
    }

private:
    int previous_ = -1;
    int new_;
};

class ChangeGraphOptionsCommand final : public CopyableCommand<ChangeGraphOptionsCommand, GraphCommand> {
public:
    ChangeGraphOptionsCommand(const CommandContext& c, GraphDocumentModel& d, int w,
                              const TimeAndLocation& options, std::int32_t fieldId)
        : CopyableCommand(c, d, w), saved_(options), new_(options), fieldId_(fieldId) {}

    void Execute() override {
        GraphDocumentModel& doc = *document_;
        if (doc.ValueKind() == kValueKindUnknown) doc.UpdateGraphRange();
        const String refusal = CheckGraphLimits(doc, new_, fieldId_);
        refused_ = !refusal.IsEmpty();
        if (refused_) {
            context_.scriptErrors.SetScriptErrorIfRunning(refusal);
            Finish(false);
            return;
        }
        saved_ = doc.Options();
        TimeAndLocation next = saved_;
        if (fieldId_ == kTimeAndLocationWhole) {
            next = new_;
        } else if (!TimeAndLocationCopyField(fieldId_, new_, next)) {
            Finish(false);
            return;
        }
        bool timeDiffers = false, anyDiffers = false;
        TimeAndLocationCompare(saved_, next, timeDiffers, anyDiffers);
        doc.SetOptions(next);
        if (timeDiffers) doc.Recompute();
        Finish(true);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        // A refused limit keeps its step: undoing it asks for the same
        // limit again, so the check runs again and tells the script again.
        if (refused_) {
            return std::make_unique<ChangeGraphOptionsCommand>(context_, *document_, window_, new_, fieldId_);
        }
        if (!Applied()) return std::make_unique<NoOpCommand>();
        return std::make_unique<ChangeGraphOptionsCommand>(context_, *document_, window_, saved_,
                                                           kTimeAndLocationWhole);
    }

private:
    TimeAndLocation saved_;
    TimeAndLocation new_;
    std::int32_t fieldId_;
    bool refused_ = false;
};

class ShowGuideLineCommand final : public CopyableCommand<ShowGuideLineCommand, GraphCommand> {
public:
    ShowGuideLineCommand(const CommandContext& c, GraphDocumentModel& d, int w, bool shown)
        : CopyableCommand(c, d, w), new_(shown) {}

    CommandKind Kind() const override { return CommandKind::GraphGuideLine; }
    void Execute() override {
        GraphWindowCommands* window = document_->FindView(window_);
        if (window) {
            previous_ = window->IsGuideLineShown();
            window->ShowGuideLine(new_);
        }
        Finish(window != nullptr);
    }
    std::unique_ptr<UndoableCommand> MakeInverse() const override {
        if (!Applied()) return std::make_unique<NoOpCommand>();
        return std::make_unique<ShowGuideLineCommand>(context_, *document_, window_, previous_);
    }

private:
    bool previous_ = false;
    bool new_;
};

}  // namespace

String CheckGraphLimits(GraphDocumentModel& document, const TimeAndLocation& options,
                        std::int32_t fieldId) {
    if (fieldId != kYAxisMinField && fieldId != kYAxisMaxField) return String();
    if (document.ValueKind() == kValueKindUnknown) {
        return String(TXT("The graph must contain at least one line before setting the y axis limits"));
    }
    double lowest = 0.0, highest = 0.0;
    document.ValueLimits(lowest, highest);
    String value, limit;
    if (fieldId == kYAxisMinField && options.yAxisMin < lowest) {
        FormatDouble(options.yAxisMin, -6, value, false);
        FormatDouble(lowest, -6, limit, false);
        return FormatPercent2(TXT("% is not a valid value for the graph's y axis; must be % or higher"),
                              value, limit);
    }
    if (fieldId == kYAxisMaxField && options.yAxisMax > highest) {
        FormatDouble(options.yAxisMax, -6, value, false);
        FormatDouble(highest, -6, limit, false);
        return FormatPercent2(TXT("% is not a valid value for the graph's y axis; must be % or less"),
                              value, limit);
    }
    return String();
}

void GraphActions::AddLine(GraphWindowCommands& window, int position, const GraphLineData& line,
                           CompoundCommand* compound) {
    GraphDocumentModel& doc = window.GetDocument();
    if (position < 0 || position > doc.LineCount()) return;
    std::unique_ptr<GraphLineData> computed = line.Clone();
    doc.ComputeGraphValues(*computed);
    CommandGroup step(LineText(TXT("Add graph line % (%)"), position, line.Name()),
                      LineText(TXT("Delete graph line % (%)"), position, line.Name()));
    step.Add(std::make_unique<AddGraphLineCommand>(context_, doc, window.WindowNumber(), position,
                                                   *computed));
    CarryOut(doc.History(), std::move(step), compound);
}

void GraphActions::InsertLine(GraphWindowCommands& window, const GraphLineData& line,
                              CompoundCommand* compound) {
    GraphDocumentModel& doc = window.GetDocument();
    std::unique_ptr<GraphLineData> computed = line.Clone();
    doc.ComputeGraphValues(*computed);
    // The step is numbered by the lines the graph had before the append.
    const int before = doc.LineCount();
    CommandGroup step(NumberedText(TXT("Add graph line % (%)"), before, line.Name()),
                      NumberedText(TXT("Delete graph line % (%)"), before, line.Name()));
    step.Add(std::make_unique<InsertGraphLineCommand>(context_, doc, window.WindowNumber(), *computed));
    CarryOut(doc.History(), std::move(step), compound);
}

void GraphActions::DeleteLine(GraphWindowCommands& window, int position, CompoundCommand* compound) {
    GraphDocumentModel& doc = window.GetDocument();
    if (position < 0 || position >= doc.LineCount()) return;
    const String& name = LineName(doc, position);
    CommandGroup step(LineText(TXT("Delete graph line % (%)"), position, name),
                      LineText(TXT("Add graph line % (%)"), position, name));
    step.Add(std::make_unique<DeleteGraphLineCommand>(context_, doc, window.WindowNumber(), position));
    CarryOut(doc.History(), std::move(step), compound);
}

void GraphActions::EditLine(GraphWindowCommands& window, int position, const GraphLineData& line,
                            bool recompute, CompoundCommand* compound) {
    GraphDocumentModel& doc = window.GetDocument();
    if (position < 0 || position >= doc.LineCount()) return;
    std::unique_ptr<GraphLineData> edited = line.Clone();
    if (recompute) doc.ComputeGraphValues(*edited);
    const String text = LineText(TXT("Edit graph line % (%)"), position, LineName(doc, position));
    CommandGroup step(text, text);
    step.Add(std::make_unique<EditGraphLineCommand>(context_, doc, window.WindowNumber(), position,
                                                    *edited));
    CarryOut(doc.History(), std::move(step), compound);
}

void GraphActions::MoveLineDown(GraphWindowCommands& window, int position, CompoundCommand* compound) {
    GraphDocumentModel& doc = window.GetDocument();
    if (position < 0 || position >= doc.LineCount() - 1) return;
    const String& name = LineName(doc, position);
    // Both texts name the line by the place it had before the move.
    CommandGroup step(LineText(TXT("Move line % (%) down"), position, name),
                      LineText(TXT("Move line % (%) up"), position, name));
    step.Add(std::make_unique<MoveGraphLineCommand>(context_, doc, window.WindowNumber(), position, 1));
    CarryOut(doc.History(), std::move(step), compound);
}

void GraphActions::MoveLineUp(GraphWindowCommands& window, int position, CompoundCommand* compound) {
    GraphDocumentModel& doc = window.GetDocument();
    if (position <= 0 || position >= doc.LineCount()) return;
    const String& name = LineName(doc, position);
    CommandGroup step(LineText(TXT("Move line % (%) up"), position, name),
                      LineText(TXT("Move line % (%) down"), position, name));
    step.Add(std::make_unique<MoveGraphLineCommand>(context_, doc, window.WindowNumber(), position, -1));
    CarryOut(doc.History(), std::move(step), compound);
}

void GraphActions::SelectLine(GraphWindowCommands& window, int position, CompoundCommand* compound) {
    GraphDocumentModel& doc = window.GetDocument();
    const int selected = doc.SelectedLine();
    if (position == selected || position < 0 || position >= doc.LineCount()) return;
    const String& name = LineName(doc, position);
    const String undo = selected >= 0 && selected < doc.LineCount()
                            ? LineText(TXT("Select line % (%)"), selected, LineName(doc, selected))
                            : LineText(TXT("Deselect line % (%)"), position, name);
    CommandGroup step(LineText(TXT("Select line % (%)"), position, name), undo);
    step.Add(std::make_unique<SelectGraphLineCommand>(context_, doc, window.WindowNumber(), position));
    CarryOut(doc.History(), std::move(step), compound);
}

void GraphActions::ChangeOptions(GraphWindowCommands& window, const TimeAndLocation& options,
                                 std::int32_t fieldId, bool guideLineShown,
                                 CompoundCommand* compound) {
    GraphDocumentModel& doc = window.GetDocument();
    const TimeAndLocation& current = doc.Options();
    TimeAndLocation merged = current;
    bool optionsChange = false;
    if (fieldId == kTimeAndLocationWhole) {
        merged = options;
        optionsChange = !TimeAndLocationEquals(merged, current);
    } else if (TimeAndLocationCopyField(fieldId, options, merged)) {
        optionsChange = !TimeAndLocationEquals(merged, current);
    }
    // A y limit the graph's kind does not admit is still a step: the
    // command checks it each time it runs and then changes nothing.
    const String text(TXT("Change Graph Options"));
    CommandGroup step(text, text);
    if (optionsChange) {
        step.Add(std::make_unique<ChangeGraphOptionsCommand>(context_, doc, window.WindowNumber(),
                                                             options, fieldId));
    }
    if (guideLineShown != window.IsGuideLineShown()) {
        step.Add(std::make_unique<ShowGuideLineCommand>(context_, doc, window.WindowNumber(),
                                                        guideLineShown));
    }
    CarryOut(doc.History(), std::move(step), compound);
}

void GraphActions::EndCompound(GraphWindowCommands& window, const String& text,
                               std::unique_ptr<CompoundCommand> holder, bool record) {
    corvinata::EndCompound(window.GetDocument().History(), text, std::move(holder), record);
}

}  // namespace corvinata
