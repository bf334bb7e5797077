#include "eudora/mailbox_search.h"

#include "automation/invoke.h"
#include "eudora/eudora_members.h"

namespace tarnex::eudora {

namespace {

using automation::DispatchRef;

std::int32_t CountOf(const DispatchRef& collection) {
    return automation::GetInt(collection, kCollectionCount);
}

// Four to six calls per node: the node, its messages, its name, its
// children and their count (skipped once found), and the message count
// only when the name matches.
void SearchFolder(session::PimSession& session, const DispatchRef& node, std::string_view name,
                  std::int32_t count) {
    if (session.mailboxFound) return;
    const DispatchRef children = automation::GetDispatch(node, kChildNodes);
    const std::int32_t n = CountOf(children);
    for (std::int32_t i = 1; i <= n; ++i) {
        const DispatchRef child = automation::ItemAsDispatch(automation::Get(children, kItemAtPosition, {i}));
        const DispatchRef messages = automation::GetDispatch(child, kMessages);
        if (automation::GetText(child, kNodeName) == name && CountOf(messages) == count) {
            session.mailboxFound = true;
            session.eudoraCurrentMailbox = child;
        }
        const DispatchRef grandchildren = automation::GetDispatch(child, kChildNodes);
        if (!session.mailboxFound && CountOf(grandchildren) > 0) SearchFolder(session, child, name, count);
    }
}

}  // namespace

void FindMailbox(session::PimSession& session, std::string_view name, std::int32_t count) {
    session.mailboxFound = false;
    const DispatchRef root = automation::GetDispatch(session.eudoraApplication, kRootFolder);
    SearchFolder(session, root, name, count);
}

}  // namespace tarnex::eudora
