#pragma once
// Boost.Asio and Boost.Beast as the server uses them. Boost 1.74's coroutine header uses
// std::exchange without including <utility>, which C++20's library no longer brings in.

#include <utility>

#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>

namespace server {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = boost::beast::http;
using Tcp = boost::asio::ip::tcp;

}  // namespace server
