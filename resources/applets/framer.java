import java.applet.Applet;
import java.awt.Button;
import java.awt.FlowLayout;
import java.awt.event.ActionEvent;
import java.awt.event.ActionListener;
import java.util.function.Function;

/**
 * "Window list": a button in the page that opens a small window of its own listing the
 * links (framer_list), so the list stays at hand while the visitor moves between pages.
 */
public class framer extends Applet implements ActionListener {
    private static final long serialVersionUID = 1L;

    /** The parameter that holds the descriptions for this applet. */
    public static final String DESCRIPTIONS = "descriptions";
    public static final String BUTTON_CAPTION = "Show links";

    private framer_list window;

    /** How this applet reads the page: the harness and init share it. */
    public static mylist read(Function<String, String> parameters) {
        return new mylist(parameters, DESCRIPTIONS);
    }

    @Override
    public void init() {
        mylist links = read(this::getParameter);
        window = new framer_list(links, getAppletContext(), getDocumentBase());
        setBackground(links.background());
        setLayout(new FlowLayout(FlowLayout.CENTER, 4, 4));
        Button show = new Button(BUTTON_CAPTION);
        show.setFont(links.font());
        show.addActionListener(this);
        add(show);
    }

    @Override
    public void actionPerformed(ActionEvent event) {
        window.show();
    }

    /** The window belongs to the page: leaving the page hides it. */
    @Override
    public void stop() {
        if (window != null)
            window.hide();
    }

    @Override
    public void destroy() {
        if (window != null)
            window.dispose();
    }

    @Override
    public String getAppletInfo() {
        return "Window list of links, made with Tessaly 1.2";
    }

    @Override
    public String[][] getParameterInfo() {
        return mylist.parameterInfo(DESCRIPTIONS, "the list window's list");
    }
}
