// The clients of a shared object (an image list, an action) and the code each
// runs when that object changes. The shared object watches every client it
// links (free notification), so a client that goes away leaves the links.
#pragma once

#include "toolkit/Component.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

class TChangeLinks {
 public:
  // One link per client: linking a client again replaces its code.
  void Add(TComponent* client, std::function<void()> changed) {
    Remove(client);
    m_links.emplace_back(client, std::move(changed));
  }
  void Remove(const TComponent* client) {
    m_links.erase(std::remove_if(m_links.begin(), m_links.end(), [client](const auto& l) { return l.first == client; }),
                  m_links.end());
  }
  // Tells every client. A client's code may unlink others (or free them);
  // each client is asked only while it is still linked.
  void Notify() const {
    std::vector<TComponent*> clients;
    clients.reserve(m_links.size());
    for (const auto& l : m_links) clients.push_back(l.first);
    for (TComponent* client : clients) {
      const auto it = std::find_if(m_links.begin(), m_links.end(), [client](const auto& l) { return l.first == client; });
      if (it == m_links.end()) continue;
      const std::function<void()> changed = it->second;
      changed();
    }
  }

 private:
  std::vector<std::pair<TComponent*, std::function<void()>>> m_links;
};
