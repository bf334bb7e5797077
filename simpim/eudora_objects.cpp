#include "simpim/eudora_objects.h"

#include "simpim/arguments_text.h"
#include "simpim/call_args.h"

namespace simpim {

namespace ta = tarnex::automation;

namespace {

// Application
constexpr Dispid kInMailbox = 0x6;
constexpr Dispid kRootFolder = 0xE;
constexpr Dispid kMailboxByNumber = 0x1C;
constexpr Dispid kQueueMessage = 0x1D;
// Folder or mailbox
constexpr Dispid kChildren = 0x6;
constexpr Dispid kMailboxNumber = 0x8;
constexpr Dispid kMessages = 0xA;
constexpr Dispid kName = 0xB;
// Collections
constexpr Dispid kItem = 0x0;
constexpr Dispid kCount = 0x1;
constexpr Dispid kItemById = 0x2;
// Message
constexpr Dispid kBody = 0x2;
constexpr Dispid kDate = 0x5;
constexpr Dispid kFrom = 0x6;
constexpr Dispid kHeader = 0x7;
constexpr Dispid kId = 0x8;
constexpr Dispid kStatus = 0xD;
constexpr Dispid kSubject = 0xE;
constexpr Dispid kTo = 0xF;
constexpr Dispid kMove = 0x10;

// Header field numbers the message's header call knows.
constexpr std::int32_t kHeaderTo = 0;
constexpr std::int32_t kHeaderFrom = 1;
constexpr std::int32_t kHeaderCc = 2;
constexpr std::int32_t kHeaderBcc = 3;
constexpr std::int32_t kHeaderSubject = 4;
constexpr std::int32_t kHeaderDate = 5;
constexpr std::int32_t kHeaderReplyTo = 14;

HResult RaiseEudora(ExceptionInfo& exception, const char16_t* description) {
    return Raise(exception, u"Eudora", description, ta::kInvalidArg);
}

Variant NodeVariant(const EudoraContext& context, EudoraMailbox& node) {
    return Variant(NewObject<EudoraNodeObject>(context, node));
}

HResult GetText(InvokeKind kind, std::span<const Variant> args, const std::u16string& text, Variant& result) {
    if (HResult hr = CheckProperty(kind, args, false); hr != ta::kOk) return hr;
    result = Variant(text);
    return ta::kOk;
}

}  // namespace

// ---- Application

EudoraApplication::EudoraApplication(EudoraContext context)
    : SimObject(context.hooks, "EuApplication"), context_(std::move(context)) {}

HResult EudoraApplication::Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args,
                                Variant& result, ExceptionInfo& exception) {
    HResult hr = ta::kOk;
    EudoraStore& store = *context_.store;
    switch (dispid) {
        case kInMailbox:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = NodeVariant(context_, *store.MailboxByNumber(kEudoraIn));
            return ta::kOk;
        case kRootFolder:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = NodeVariant(context_, store.Root());
            return ta::kOk;
        case kMailboxByNumber: {
            if ((hr = CheckCall(kind, args, InvokeKind::Method, 2, 2)) != ta::kOk) return hr;
            std::int32_t number = 0, unused = 0;
            if ((hr = ToInt(args[0], number)) != ta::kOk || (hr = ToInt(args[1], unused)) != ta::kOk)
                return hr;
            EudoraMailbox* mailbox = store.MailboxByNumber(number);
            if (!mailbox) return RaiseEudora(exception, u"There is no mailbox with that number.");
            result = NodeVariant(context_, *mailbox);
            return ta::kOk;
        }
        case kQueueMessage: {
            // To, Subject, Cc, Bcc, Attachments, Body.
            if ((hr = CheckCall(kind, args, InvokeKind::Method, 6, 6)) != ta::kOk) return hr;
            std::u16string text[6];
            for (std::size_t i = 0; i < 6; ++i)
                if ((hr = ToText(args[i], text[i])) != ta::kOk) return hr;
            EudoraMessageFields fields;
            fields.to = text[0];
            fields.subject = text[1];
            fields.cc = text[2];
            fields.bcc = text[3];
            fields.body = text[5];
            store.Queue(std::move(fields));
            return ta::kOk;
        }
        default:
            return ta::kDispMemberNotFound;
    }
}

// ---- Folder or mailbox

EudoraNodeObject::EudoraNodeObject(EudoraContext context, EudoraMailbox& node)
    : SimObject(context.hooks, "EuFolder", LogText(node.Name())),
      context_(std::move(context)),
      node_(&node) {}

HResult EudoraNodeObject::Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                               ExceptionInfo&) {
    HResult hr = ta::kOk;
    switch (dispid) {
        case kChildren:
        case kMessages:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result =
                NewObject<EudoraCollectionObject>(context_, *node_,
                                                  dispid == kChildren ? EudoraCollectionObject::Of::Nodes
                                                                      : EudoraCollectionObject::Of::Messages);
            return ta::kOk;
        case kName:
            return GetText(kind, args, node_->Name(), result);
        case kMailboxNumber:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = Variant(node_->Number());
            return ta::kOk;
        default:
            return ta::kDispMemberNotFound;
    }
}

// ---- Collections

EudoraCollectionObject::EudoraCollectionObject(EudoraContext context, EudoraMailbox& node, Of of)
    : SimObject(context.hooks, of == Of::Nodes ? "EuFolders" : "EuMessages", LogText(node.Name())),
      context_(std::move(context)),
      node_(&node),
      of_(of) {}

std::int32_t EudoraCollectionObject::Count() const noexcept {
    return static_cast<std::int32_t>(of_ == Of::Nodes ? node_->Children().size() : node_->Messages().size());
}

Variant EudoraCollectionObject::At(std::int32_t position) const {
    auto index = static_cast<std::size_t>(position - 1);
    if (of_ == Of::Nodes) return NodeVariant(context_, *node_->Children()[index]);
    return Variant(NewObject<EudoraMessageObject>(context_, node_->Messages()[index]));
}

HResult EudoraCollectionObject::Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args,
                                     Variant& result, ExceptionInfo& exception) {
    HResult hr = ta::kOk;
    switch (dispid) {
        case kCount:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = Variant(Count());
            return ta::kOk;
        case kItem: {
            if ((hr = CheckCall(kind, args, InvokeKind::Get, 1, 1)) != ta::kOk) return hr;
            if (auto replacement = Hooks()->TakeItemOverride()) {
                result = std::move(*replacement);
                return ta::kOk;
            }
            std::int32_t position = 0;
            if ((hr = ToInt(args[0], position)) != ta::kOk) return hr;
            if (position < 1 || position > Count()) return RaiseEudora(exception, u"Index out of range.");
            result = At(position);
            return ta::kOk;
        }
        case kItemById: {
            if (of_ != Of::Messages) return ta::kDispMemberNotFound;
            if ((hr = CheckCall(kind, args, InvokeKind::Get, 1, 1)) != ta::kOk) return hr;
            if (auto replacement = Hooks()->TakeItemOverride()) {
                result = std::move(*replacement);
                return ta::kOk;
            }
            std::int32_t id = 0;
            if ((hr = ToInt(args[0], id)) != ta::kOk) return hr;
            for (const auto& message : node_->Messages()) {
                if (message->id == id) {
                    result = Variant(NewObject<EudoraMessageObject>(context_, message));
                    return ta::kOk;
                }
            }
            return RaiseEudora(exception, u"No message with that identifier.");
        }
        default:
            return ta::kDispMemberNotFound;
    }
}

// ---- Message

EudoraMessageObject::EudoraMessageObject(EudoraContext context, std::shared_ptr<EudoraMessage> message)
    : SimObject(context.hooks, "EuMessage"), context_(std::move(context)), message_(std::move(message)) {}

HResult EudoraMessageObject::Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args,
                                  Variant& result, ExceptionInfo& exception) {
    HResult hr = ta::kOk;
    EudoraMessageFields& f = message_->fields;
    switch (dispid) {
        case kBody:
            return GetText(kind, args, f.body, result);
        case kDate:
            return GetText(kind, args, f.date, result);
        case kFrom:
            return GetText(kind, args, f.from, result);
        case kSubject:
            return GetText(kind, args, f.subject, result);
        case kTo:
            return GetText(kind, args, f.to, result);
        case kHeader: {
            if ((hr = CheckCall(kind, args, InvokeKind::Get, 1, 1)) != ta::kOk) return hr;
            std::int32_t field = 0;
            if ((hr = ToInt(args[0], field)) != ta::kOk) return hr;
            switch (field) {
                case kHeaderTo:
                    result = Variant(f.to);
                    break;
                case kHeaderFrom:
                    result = Variant(f.from);
                    break;
                case kHeaderCc:
                    result = Variant(f.cc);
                    break;
                case kHeaderBcc:
                    result = Variant(f.bcc);
                    break;
                case kHeaderSubject:
                    result = Variant(f.subject);
                    break;
                case kHeaderDate:
                    result = Variant(f.date);
                    break;
                case kHeaderReplyTo:
                    result = Variant(f.replyTo);
                    break;
                default:
                    result = Variant(std::u16string());
                    break;
            }
            return ta::kOk;
        }
        case kId:
            if ((hr = CheckProperty(kind, args, false)) != ta::kOk) return hr;
            result = Variant(message_->id);
            return ta::kOk;
        case kStatus: {
            if ((hr = CheckProperty(kind, args, true)) != ta::kOk) return hr;
            if (kind == InvokeKind::Get) {
                result = Variant(f.status);
                return ta::kOk;
            }
            return ToInt(args.back(), f.status);
        }
        case kMove: {
            if ((hr = CheckCall(kind, args, InvokeKind::Method, 1, 1)) != ta::kOk) return hr;
            if (!args[0].IfDispatch()) return ta::kDispTypeMismatch;
            auto* target = As<EudoraNodeObject>(args[0]);
            if (!target || target->Node().IsFolder())
                return RaiseEudora(exception, u"The target is not a mailbox.");
            context_.store->Move(message_, target->Node());
            return ta::kOk;
        }
        default:
            return ta::kDispMemberNotFound;
    }
}

}  // namespace simpim
