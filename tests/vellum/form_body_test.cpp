#include "vellum/cgi_request.h"
#include "vellum/form_body.h"

#include <gtest/gtest.h>

#include <sstream>

using vellum::BodyRead;
using vellum::FormField;
using vellum::parseFormBody;

namespace {

constexpr const char* kUrlEncoded = "application/x-www-form-urlencoded";

std::vector<FormField> fieldsOf(std::string_view type, std::string_view body) {
    const auto parse = parseFormBody(type, body);
    EXPECT_TRUE(parse.ok) << parse.error;
    return parse.fields;
}

std::string multipart(std::initializer_list<std::string> parts,
                      const std::string& boundary = "XyZ") {
    std::string body;
    for (const std::string& part : parts)
        body += "--" + boundary + "\r\n" + part + "\r\n";
    body += "--" + boundary + "--\r\n";
    return body;
}

} // namespace

TEST(UrlEncodedBody, DecodesPlusPercentAndKeepsFieldOrder) {
    EXPECT_EQ(fieldsOf(kUrlEncoded, "b=1+2&a=%41%62%2B%26%3D&c=caf%C3%A9"),
              (std::vector<FormField>{{"b", "1 2"}, {"a", "Ab+&="}, {"c", "caf\xC3\xA9"}}));
}

TEST(UrlEncodedBody, EmptyPairsAndNamelessFieldsAreSkippedAndAMissingValueIsEmpty) {
    EXPECT_EQ(fieldsOf(kUrlEncoded, "&&x&=lost&y=&z=1\r\n"),
              (std::vector<FormField>{{"x", ""}, {"y", ""}, {"z", "1"}}));
    EXPECT_TRUE(fieldsOf(kUrlEncoded, "").empty());
}

TEST(UrlEncodedBody, RepeatedNamesAllArrive) {
    EXPECT_EQ(fieldsOf(kUrlEncoded, "c=red&c=blue"),
              (std::vector<FormField>{{"c", "red"}, {"c", "blue"}}));
}

TEST(UrlEncodedBody, BrokenPercentEscapesAreRefused) {
    for (const char* body : {"a=%", "a=%4", "a=%G1", "%zz=1", "a=1&b=%%"}) {
        const auto parse = parseFormBody(kUrlEncoded, body);
        EXPECT_FALSE(parse.ok) << body;
        EXPECT_FALSE(parse.error.empty());
    }
}

TEST(UrlEncodedBody, ContentTypeParametersAndCaseDoNotMatter) {
    EXPECT_EQ(fieldsOf("Application/X-WWW-Form-UrlEncoded; charset=UTF-8", "a=1"),
              (std::vector<FormField>{{"a", "1"}}));
}

TEST(FormBody, OtherContentTypesAreRefused) {
    EXPECT_FALSE(parseFormBody("text/plain", "a=1").ok);
    EXPECT_FALSE(parseFormBody("application/json", "{}").ok);
    EXPECT_FALSE(parseFormBody("", "a=1").ok);
}

TEST(MultipartBody, ReadsFieldsWithQuotedOrPlainBoundaryAndKeepsValueBytes) {
    const std::string body =
        multipart({"Content-Disposition: form-data; name=\"01Name\"\r\n\r\nJoe",
                   "content-disposition: form-data; name=Comments\r\nContent-Type: text/plain\r\n"
                   "\r\nline one\r\nline two\r\n--not the boundary"});
    const std::vector<FormField> expected{
        {"01Name", "Joe"}, {"Comments", "line one\r\nline two\r\n--not the boundary"}};
    EXPECT_EQ(fieldsOf("multipart/form-data; boundary=XyZ", body), expected);
    EXPECT_EQ(fieldsOf("multipart/form-data; boundary=\"XyZ\"", body), expected);
}

TEST(MultipartBody, APreambleAndAnEpilogueAreIgnored) {
    const std::string body = "This is a preamble\r\n" +
                             multipart({"Content-Disposition: form-data; name=\"a\"\r\n\r\n1"}) +
                             "epilogue";
    EXPECT_EQ(fieldsOf("multipart/form-data; boundary=XyZ", body),
              (std::vector<FormField>{{"a", "1"}}));
}

TEST(MultipartBody, FilePartsAreLeftOutButDoNotRefuseTheForm) {
    const std::string body =
        multipart({"Content-Disposition: form-data; name=\"upload\"; filename=\"\"\r\n"
                   "Content-Type: application/octet-stream\r\n\r\n",
                   "Content-Disposition: form-data; name=\"doc\"; filename=\"a.txt\"\r\n\r\nsecret",
                   "Content-Disposition: form-data; name=\"filename\"\r\n\r\nkept"});
    EXPECT_EQ(fieldsOf("multipart/form-data; boundary=XyZ", body),
              (std::vector<FormField>{{"filename", "kept"}}));
}

TEST(MultipartBody, EscapedQuotesInANameAreUndone) {
    const std::string body =
        multipart({"Content-Disposition: form-data; name=\"say \\\"hi\\\"\"\r\n\r\nv"});
    EXPECT_EQ(fieldsOf("multipart/form-data; boundary=XyZ", body),
              (std::vector<FormField>{{"say \"hi\"", "v"}}));
}

TEST(MultipartBody, BrokenBodiesAreRefused) {
    const std::string good = multipart({"Content-Disposition: form-data; name=\"a\"\r\n\r\n1"});
    const std::string type = "multipart/form-data; boundary=XyZ";
    EXPECT_FALSE(parseFormBody("multipart/form-data", good).ok) << "no boundary";
    EXPECT_FALSE(parseFormBody("multipart/form-data; boundary=Other", good).ok);
    EXPECT_FALSE(parseFormBody(type, good.substr(0, good.size() - 9)).ok) << "not closed";
    EXPECT_FALSE(parseFormBody(type, "--XyZ\r\nContent-Disposition: form-data; name=\"a\"\r\n1").ok)
        << "headers not ended";
    EXPECT_FALSE(parseFormBody(type, multipart({"Content-Type: text/plain\r\n\r\n1"})).ok)
        << "no Content-Disposition";
    EXPECT_FALSE(
        parseFormBody(type, multipart({"Content-Disposition: attachment; name=a\r\n\r\n1"})).ok);
    EXPECT_FALSE(parseFormBody(type, "--XyZjunk\r\n").ok) << "broken delimiter line";
    EXPECT_FALSE(parseFormBody(type, "").ok);
}

TEST(RequestBody, IsReadToItsContentLength) {
    std::istringstream in("a=1&b=2 and more that is not the body");
    const BodyRead read = vellum::readRequestBody("7", in);
    EXPECT_EQ(read.outcome, BodyRead::Ok);
    EXPECT_EQ(read.body, "a=1&b=2");
}

TEST(RequestBody, OverTheLimitIsRefusedBeforeAnyByteIsRead) {
    std::istringstream in("a=1");
    const BodyRead read = vellum::readRequestBody(std::to_string(vellum::kMaxBodyBytes + 1), in);
    EXPECT_EQ(read.outcome, BodyRead::TooLarge);
    EXPECT_EQ(in.tellg(), 0) << "nothing of the body may be read";
    EXPECT_EQ(vellum::readRequestBody("99999999999999999999999999", in).outcome,
              BodyRead::TooLarge);
}

TEST(RequestBody, ExactlyTheLimitIsRead) {
    const std::string body(vellum::kMaxBodyBytes, 'x');
    std::istringstream in(body);
    const BodyRead read = vellum::readRequestBody(std::to_string(body.size()), in);
    EXPECT_EQ(read.outcome, BodyRead::Ok);
    EXPECT_EQ(read.body.size(), body.size());
}

TEST(RequestBody, ABadOrUnkeptContentLengthIsMalformed) {
    std::istringstream shortBody("a=1");
    EXPECT_EQ(vellum::readRequestBody("10", shortBody).outcome, BodyRead::Malformed);
    for (const char* length : {"-1", "1e3", " 5", "0x10"}) {
        std::istringstream in("hello");
        EXPECT_EQ(vellum::readRequestBody(length, in).outcome, BodyRead::Malformed) << length;
    }
    std::istringstream none;
    EXPECT_EQ(vellum::readRequestBody("", none).outcome, BodyRead::Ok);
}
