#include "skeletons.h"

#include "processor_contract.h"

#include <initializer_list>

namespace vmcntrl {

namespace {

std::string lines(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) {
        text += part;
        text += "\r\n";
    }
    return text;
}

std::string cat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts)
        text += part;
    return text;
}

} // namespace

std::string formSkeleton(std::string_view name, bool letterToUser, bool asData) {
    std::string text = lines({
        "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 3.0//EN\" \"html.dtd\">",
        "<HTML>",
        "<HEAD>",
        "<TITLE>document title</TITLE>",
        "</HEAD>",
        "<BODY>",
        cat({"<H1>", name, "</H1>"}),
        "<HR>",
        "",
        "<FORM METHOD=\"POST\">",
        "",
    });
    if (letterToUser) {
        // The processor only mails the submitter when it finds the address field; a form for
        // comma-separated saving carries it numbered like every other field.
        const std::string_view field =
            asData ? processor::kNumberedEmailField : processor::kEmailField;
        text += lines({cat({"Please enter your E-Mail Address: <INPUT NAME=\"", field, "\"> <P>"}),
                       "<!--mail to client enabled!-->"});
        if (asData)
            text += lines({"<!--use syntax for CSV output!-->"});
    }
    text += lines({
        "",
        "",
        "To submit the form, press this button: <INPUT TYPE=\"submit\" VALUE=\"Submit Comments\"> "
        "<P>",
        "To clear the form, press this button: <INPUT TYPE=\"reset\" VALUE=\"Clear Form\">",
        "</FORM>",
        "",
        "<HR>",
        "",
        "</BODY>",
        "</HTML>",
    });
    return text;
}

std::string outputFileSkeleton(OutputFileKind kind, std::string_view name) {
    switch (kind) {
    case OutputFileKind::Template:
        return lines({cat({"<!--Output file for ", name, " script-->"}),
                      "<!--Place any header for the document here-->", "", "", "",
                      processor::kFooterMarker, "", "<!--Place any footer for the document here-->",
                      "<!--comment line --footer-- must exist on a line by itself-->"});
    case OutputFileKind::Data:
        // A line holding only CR LF, then an empty line: three line breaks in all.
        return "\r\n\r\n\r\n";
    case OutputFileKind::Text:
        return lines({cat({"*Output file for ", name, " script*"}),
                      "*You may remove or change this header*",
                      "*Submitted Data will be appended to the end of this file*"});
    }
    return {};
}

std::string templateSkeleton(TemplateKind kind, std::string_view name) {
    const std::string_view heading = kind == TemplateKind::Confirmation
                                         ? "# Confirmation Template for "
                                         : "# Output File Template for ";
    std::string text = lines({
        "#",
        cat({heading, name, " Script"}),
        "#",
        "# Use ^keyname^ from form to insert value.",
        "#",
        "# Transaction specific keys:",
        "# vmDate, vmLongDate, vmTime",
        "# vmTransactionID, vmRemoteHost, vmRemoteAddress",
        "# vmReferer, vmServerSoftware, vmServerAdmin",
        "#",
        "# Lines beginning with # are comments",
        "#",
        "",
    });
    if (kind == TemplateKind::OutputEntries)
        return text + lines({"", "", ""});
    const std::string_view title = kind == TemplateKind::Confirmation
                                       ? "<TITLE>Send to Browser Template for "
                                       : "<TITLE>New Document Template for ";
    text += lines({"<HTML>", "<HEAD>", cat({title, name, " Script</TITLE>"}), "</HEAD>", "<BODY>",
                   cat({"<H1>", name, "</H1>"}), "", "", "", "</BODY>", "</HTML>"});
    text += kind == TemplateKind::Confirmation ? lines({"", ""}) : lines({""});
    return text;
}

std::string letterSkeleton(std::string_view name) {
    return lines({"", cat({"Letter to user -- ", name, " script. Remove this line."})});
}

std::string recipientGroupSkeleton() {
    return lines({"E-Mail Addresses - one per line (Remove this line)"});
}

} // namespace vmcntrl
