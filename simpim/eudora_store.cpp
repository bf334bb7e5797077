#include "simpim/eudora_store.h"

#include <algorithm>
#include <ctime>

namespace simpim {

namespace {

// "Sun, 07 Jan 2001 10:15:00 +0000", the form of a Date header.
std::u16string DateHeaderNow() {
    std::time_t t = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[64];
    std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S +0000", &utc);
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

void Find(EudoraMailbox& node, std::int32_t number, EudoraMailbox*& found) {
    if (found) return;
    if (!node.IsFolder() && node.Number() == number) {
        found = &node;
        return;
    }
    for (const auto& child : node.Children()) Find(*child, number, found);
}

// Breaks each line longer than width at its last blank within width, the
// blank replaced by CR LF; a line without such a blank stays whole.
std::u16string Wrapped(std::u16string_view body, std::size_t width) {
    std::u16string text(body);
    std::size_t lineStart = 0;
    while (lineStart < text.size()) {
        std::size_t lineEnd = text.find(u"\r\n", lineStart);
        if (lineEnd == std::u16string::npos) lineEnd = text.size();
        if (lineEnd - lineStart <= width) {
            lineStart = lineEnd + 2;
            continue;
        }
        const std::size_t blank = text.rfind(u' ', lineStart + width);
        if (blank == std::u16string::npos || blank < lineStart) {
            lineStart = lineEnd + 2;
            continue;
        }
        text.replace(blank, 1, u"\r\n");
        lineStart = blank + 2;
    }
    return text;
}

}  // namespace

EudoraStore::EudoraStore() {
    root_ = std::make_unique<EudoraMailbox>();
    root_->name_ = u"Eudora";
    root_->folder_ = true;
    AddNode(*root_, u"In", kEudoraIn, false);
    AddNode(*root_, u"Out", kEudoraOut, false);
    AddNode(*root_, u"Trash", kEudoraTrash, false);
}

EudoraMailbox* EudoraStore::MailboxByNumber(std::int32_t number) const noexcept {
    EudoraMailbox* found = nullptr;
    if (number > 0) Find(*root_, number, found);
    return found;
}

EudoraMailbox& EudoraStore::AddMailbox(EudoraMailbox& parent, std::u16string name) {
    return AddNode(parent, std::move(name), nextNumber_++, false);
}

EudoraMailbox& EudoraStore::AddFolder(EudoraMailbox& parent, std::u16string name) {
    return AddNode(parent, std::move(name), 0, true);
}

EudoraMailbox& EudoraStore::AddNode(EudoraMailbox& parent, std::u16string name, std::int32_t number,
                                    bool folder) {
    auto node = std::make_unique<EudoraMailbox>();
    node->name_ = std::move(name);
    node->number_ = number;
    node->folder_ = folder;
    node->parent_ = &parent;
    parent.children_.push_back(std::move(node));
    return *parent.children_.back();
}

EudoraMessage& EudoraStore::AddMessage(EudoraMailbox& mailbox, EudoraMessageFields fields) {
    auto message = std::make_shared<EudoraMessage>();
    message->id = nextId_++;
    message->fields = std::move(fields);
    message->mailbox = &mailbox;
    mailbox.messages_.push_back(message);
    all_.push_back(message);
    return *message;
}

EudoraMessage& EudoraStore::Queue(EudoraMessageFields fields) {
    fields.from = returnAddress;
    fields.date = queueDate.empty() ? DateHeaderNow() : queueDate;
    fields.status = kEudoraQueued;
    if (wrapQueuedBodiesAt > 0) fields.body = Wrapped(fields.body, wrapQueuedBodiesAt);
    return AddMessage(*MailboxByNumber(kEudoraOut), std::move(fields));
}

void EudoraStore::Move(const std::shared_ptr<EudoraMessage>& message, EudoraMailbox& to) {
    auto& from = message->mailbox->messages_;
    from.erase(std::remove(from.begin(), from.end(), message), from.end());
    message->mailbox = &to;
    to.messages_.push_back(message);
}

std::shared_ptr<EudoraMessage> EudoraStore::FindMessage(std::int32_t id) const {
    for (const auto& m : all_)
        if (m->id == id) return m;
    return nullptr;
}

}  // namespace simpim
