// The data of the simulated Eudora: a tree of folders and mailboxes under one
// root, the three standard mailboxes In, Out and Trash, and the messages of
// each mailbox in the order they arrived.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace simpim {

class EudoraMailbox;

// MailboxNumber values of the standard mailboxes.
enum EudoraMailboxNumber : std::int32_t { kEudoraIn = 2, kEudoraOut = 3, kEudoraTrash = 4 };

// Message states as Eudora keeps them (the read status property).
enum EudoraStatus : std::int32_t { kEudoraUnread = 0, kEudoraRead = 1, kEudoraQueued = 7, kEudoraSent = 8 };

struct EudoraMessageFields {
    std::u16string to{};
    std::u16string from{};
    std::u16string subject{};
    std::u16string cc{};
    std::u16string bcc{};
    std::u16string replyTo{};
    std::u16string date{};  // as the Date header gives it
    std::u16string body{};
    std::int32_t status = kEudoraUnread;
};

struct EudoraMessage {
    std::int32_t id = 0;  // the identifier number, unique in the store
    EudoraMessageFields fields;
    EudoraMailbox* mailbox = nullptr;
};

// A node of the tree: a mailbox holds messages, a folder holds nodes.
class EudoraMailbox {
public:
    const std::u16string& Name() const noexcept { return name_; }
    std::int32_t Number() const noexcept { return number_; }
    bool IsFolder() const noexcept { return folder_; }
    EudoraMailbox* Parent() const noexcept { return parent_; }
    const std::vector<std::unique_ptr<EudoraMailbox>>& Children() const noexcept { return children_; }
    const std::vector<std::shared_ptr<EudoraMessage>>& Messages() const noexcept { return messages_; }
    std::size_t Count() const noexcept { return messages_.size(); }
    EudoraMessage& At(std::size_t index) const { return *messages_.at(index); }

private:
    friend class EudoraStore;
    std::u16string name_;
    std::int32_t number_ = 0;
    bool folder_ = false;
    EudoraMailbox* parent_ = nullptr;
    std::vector<std::unique_ptr<EudoraMailbox>> children_;
    std::vector<std::shared_ptr<EudoraMessage>> messages_;
};

class EudoraStore {
public:
    EudoraStore();
    EudoraStore(const EudoraStore&) = delete;
    EudoraStore& operator=(const EudoraStore&) = delete;

    EudoraMailbox& Root() noexcept { return *root_; }
    // A mailbox by MailboxNumber, or null.
    EudoraMailbox* MailboxByNumber(std::int32_t number) const noexcept;
    // A user mailbox (numbered from 5 on) or a folder (number 0) under parent.
    EudoraMailbox& AddMailbox(EudoraMailbox& parent, std::u16string name);
    EudoraMailbox& AddFolder(EudoraMailbox& parent, std::u16string name);

    EudoraMessage& AddMessage(EudoraMailbox& mailbox, EudoraMessageFields fields);
    // What the application's queue call does: a new outgoing message in Out,
    // from the user's return address, dated now, with the queued status.
    EudoraMessage& Queue(EudoraMessageFields fields);
    void Move(const std::shared_ptr<EudoraMessage>& message, EudoraMailbox& to);
    std::shared_ptr<EudoraMessage> FindMessage(std::int32_t id) const;

    std::u16string returnAddress = u"user@example.com";
    // The Date header text of queued messages; empty: the system's time.
    std::u16string queueDate;
    // Eudora's word wrap for outgoing mail: a queued body's lines longer than
    // this are broken with CR LF at their last blank within it. 0: off.
    std::size_t wrapQueuedBodiesAt = 0;

private:
    EudoraMailbox& AddNode(EudoraMailbox& parent, std::u16string name, std::int32_t number, bool folder);
    std::unique_ptr<EudoraMailbox> root_;
    std::vector<std::shared_ptr<EudoraMessage>> all_;
    std::int32_t nextNumber_ = 5;
    std::int32_t nextId_ = 0x3A6B1001;
};

}  // namespace simpim
