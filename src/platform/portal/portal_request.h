#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>
#include <functional>

namespace zelvo {

// One call to a desktop portal method whose answer comes later, as the Response
// signal of a request object: the Response is listened for before the call is made
// (the request object's path is known beforehand from the bus name and the token),
// and `answered` gets its code and results once. The object deletes itself then.
class PortalRequest final : public QObject {
    Q_OBJECT
  public:
    using Answered = std::function<void(uint response, const QVariantMap& results)>;

    // Calls `method` of `interface` on the desktop portal; the last argument is the
    // options map, which gets the request's handle token.
    static void Call(const QString& interface, const QString& method, QVariantList arguments,
                     Answered answered);

  private:
    explicit PortalRequest(Answered answered);
    Q_SLOT void Response(uint response, const QVariantMap& results);

    Answered answered_;
};

}  // namespace zelvo
