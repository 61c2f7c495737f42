#include "commands/CommandContext.h"

#include "commands/StepTable.h"

namespace vantro {

void ShowPrompt(CommandContext& ctx, std::string text) { ctx.Result.Prompt = std::move(text); }

void ShowField(CommandContext& ctx, EntryFocus field, std::string text)
{
    switch (field) {
    case EntryFocus::X:
        ctx.Entries.X = text;
        ctx.Result.X = std::move(text);
        break;
    case EntryFocus::Y:
        ctx.Entries.Y = text;
        ctx.Result.Y = std::move(text);
        break;
    case EntryFocus::R:
        ctx.Entries.R = text;
        ctx.Result.R = std::move(text);
        break;
    default: break;
    }
}

void ShowPointInFields(CommandContext& ctx, Point p)
{
    ShowField(ctx, EntryFocus::X, FormatNumber(p.X));
    ShowField(ctx, EntryFocus::Y, FormatNumber(p.Y));
}

void FocusField(CommandContext& ctx, EntryFocus field) { ctx.Result.Focus = field; }

void EnterStep(CommandContext& ctx, uint16_t code)
{
    ctx.State.CommandMode = code;
    if (const StepRow* row = FindStep(code)) {
        if (const char* prompt = EntryPrompt(*row, ctx.State.AltVariant)) ShowPrompt(ctx, prompt);
    }
}

void ReturnToStep(CommandContext& ctx, uint16_t code)
{
    ctx.State.CommandMode = code;
    if (const StepRow* row = FindStep(code)) {
        if (const char* prompt = ReturnPrompt(*row, ctx.State.AltVariant)) ShowPrompt(ctx, prompt);
    }
}

}  // namespace vantro
