// The automation objects of the simulated Eudora, bound by DISPID: the
// application, the folder and mailbox nodes, their node and message
// collections, and the messages.
#pragma once

#include <memory>

#include "simpim/eudora_store.h"
#include "simpim/sim_object.h"

namespace simpim {

struct EudoraContext {
    std::shared_ptr<HookState> hooks;
    std::shared_ptr<EudoraStore> store;
};

class EudoraApplication final : public SimObject {
public:
    explicit EudoraApplication(EudoraContext context);

protected:
    HResult Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                 ExceptionInfo& exception) override;

private:
    EudoraContext context_;
};

// A folder or a mailbox: the tree holds both and both answer every member.
class EudoraNodeObject final : public SimObject {
public:
    EudoraNodeObject(EudoraContext context, EudoraMailbox& node);
    EudoraMailbox& Node() const noexcept { return *node_; }

protected:
    HResult Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                 ExceptionInfo& exception) override;

private:
    EudoraContext context_;
    EudoraMailbox* node_;
};

// The child nodes of a node, or the messages of a mailbox.
class EudoraCollectionObject final : public SimObject {
public:
    enum class Of : std::uint8_t { Nodes, Messages };
    EudoraCollectionObject(EudoraContext context, EudoraMailbox& node, Of of);

protected:
    HResult Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                 ExceptionInfo& exception) override;

private:
    std::int32_t Count() const noexcept;
    Variant At(std::int32_t position) const;
    EudoraContext context_;
    EudoraMailbox* node_;
    Of of_;
};

class EudoraMessageObject final : public SimObject {
public:
    EudoraMessageObject(EudoraContext context, std::shared_ptr<EudoraMessage> message);

protected:
    HResult Call(Dispid dispid, InvokeKind kind, std::span<const Variant> args, Variant& result,
                 ExceptionInfo& exception) override;

private:
    EudoraContext context_;
    std::shared_ptr<EudoraMessage> message_;
};

}  // namespace simpim
