import java.applet.Applet;
import java.applet.AppletContext;
import java.applet.AppletStub;
import java.applet.AudioClip;
import java.awt.Color;
import java.awt.Dimension;
import java.awt.Font;
import java.awt.Image;
import java.io.DataInputStream;
import java.io.File;
import java.io.FileInputStream;
import java.io.IOException;
import java.io.InputStream;
import java.net.MalformedURLException;
import java.net.URL;
import java.util.ArrayList;
import java.util.Collections;
import java.util.Enumeration;
import java.util.HashMap;
import java.util.Iterator;
import java.util.List;
import java.util.Map;
import java.util.function.Function;

/**
 * Loads the applet classes Tessaly ships and feeds them the parameters its generated code
 * writes, through a stub page, to check what a visitor's browser would do with them. The
 * classes build AWT windows only in init(), which needs a display; everything they read and
 * decide is reachable without one.
 *
 * Usage: AppletHarness PROGRAM_DIRECTORY
 */
public class AppletHarness {
    private static int passed;
    private static int failed;

    static void check(boolean condition, String what) {
        if (condition) {
            passed++;
        } else {
            failed++;
            System.out.println("FAILED: " + what);
        }
    }

    static void equal(Object expected, Object actual, String what) {
        boolean same = expected == null ? actual == null : expected.equals(actual);
        check(same, what + ": expected <" + expected + "> but got <" + actual + ">");
    }

    /** A page: its parameters, its address, and a browser that records what it is asked. */
    static final class StubPage implements AppletStub, AppletContext {
        final Map<String, String> parameters = new HashMap<String, String>();
        final URL base;
        final List<String> shown = new ArrayList<String>();
        final List<String> status = new ArrayList<String>();
        final List<String> played = new ArrayList<String>();

        StubPage(String base) throws MalformedURLException {
            this.base = new URL(base);
        }

        StubPage with(String name, String value) {
            parameters.put(name, value);
            return this;
        }

        Function<String, String> reader() {
            return this::getParameter;
        }

        @Override public boolean isActive() { return true; }
        @Override public URL getDocumentBase() { return base; }
        @Override public URL getCodeBase() { return base; }
        @Override public String getParameter(String name) { return parameters.get(name); }
        @Override public AppletContext getAppletContext() { return this; }
        @Override public void appletResize(int width, int height) { }

        @Override public AudioClip getAudioClip(final URL url) {
            return new AudioClip() {
                @Override public void play() { played.add(url.toString()); }
                @Override public void loop() { played.add("loop " + url); }
                @Override public void stop() { }
            };
        }
        @Override public Image getImage(URL url) { return null; }
        @Override public Applet getApplet(String name) { return null; }
        @Override public Enumeration<Applet> getApplets() { return Collections.<Applet>emptyEnumeration(); }
        @Override public void showDocument(URL url) { shown.add(url + " in _self"); }
        @Override public void showDocument(URL url, String target) { shown.add(url + " in " + target); }
        @Override public void showStatus(String text) { status.add(text); }
        @Override public void setStream(String key, InputStream stream) { }
        @Override public InputStream getStream(String key) { return null; }
        @Override public Iterator<String> getStreamKeys() { return Collections.<String>emptyIterator(); }
    }

    /** The page Tessaly writes for two links, as in its own "Scroll list" example. */
    static StubPage examplePage(String descriptionParameter) throws MalformedURLException {
        return new StubPage("http://www.example.org/site/index.htm")
                .with("multidest", "a.htm, b.htm")
                .with(descriptionParameter, "One,Two")
                .with("frames", "_self,_top")
                .with("font", "Helvetica")
                .with("fontsize", "10")
                .with("fontstyle", "Normal")
                .with("colour", "0")
                .with("background", "8421504")
                .with("sizewidth", "100")
                .with("sizeheight", "50");
    }

    static void shippedClassesLoad(File home) throws Exception {
        String[] shipped = {"MultiList", "myfont", "mylist", "createcolor", "multdesc", "framer", "framer_list"};
        for (String name : shipped) {
            File file = new File(home, name + ".class");
            check(file.isFile(), name + ".class is in the program directory");
            if (!file.isFile())
                continue;
            DataInputStream in = new DataInputStream(new FileInputStream(file));
            try {
                check(in.readInt() == 0xCAFEBABE, name + ".class is a class file");
                in.readUnsignedShort();
                equal(52, in.readUnsignedShort(), name + ".class runs on Java 8 (class file version)");
            } finally {
                in.close();
            }
            Class<?> type = Class.forName(name);
            equal(name, type.getName(), "class name of " + name + ".class");
        }
        String[] applets = {"MultiList", "multdesc", "framer"};
        for (String name : applets) {
            Class<?> type = Class.forName(name);
            check(Applet.class.isAssignableFrom(type), name + " is an applet");
            check(type.getConstructor() != null, name + " can be made by a browser (public no-argument constructor)");
        }
    }

    static void scrollListFollowsTheGeneratedPage() throws Exception {
        StubPage page = examplePage("multidescription");
        mylist links = MultiList.read(page.reader());
        equal(2, links.size(), "scroll list rows");
        equal("One", links.description(0), "first description");
        equal("Two", links.description(1), "second description");
        equal("http://www.example.org/site/b.htm", String.valueOf(links.url(1, page.base)), "second link resolved against the page");
        equal("_top", links.target(1), "second frame target");
        equal(new Color(0, 0, 0), links.foreground(), "text colour 0");
        equal(new Color(128, 128, 128), links.background(), "background 8421504");
        equal(new Dimension(100, 50), links.listSize(), "list size");
        equal("SansSerif", links.font().getName(), "Helvetica maps to the sans-serif font");
        equal(10, links.font().getSize(), "font size");
        equal(Font.PLAIN, links.font().getStyle(), "font style Normal");

        check(links.open(1, page, page.base), "opening the second link succeeds");
        equal(Collections.singletonList("http://www.example.org/site/b.htm in _top"), page.shown, "document shown for the second link");
        check(page.played.isEmpty(), "no sound without a sound parameter");

        // The pull-down and window lists name their descriptions "descriptions"; reading the
        // wrong name would leave them empty on a real page.
        equal(0, MultiList.read(examplePage("descriptions").reader()).size(), "scroll list ignores \"descriptions\"");
    }

    static void pullDownAndWindowListsReadTheirParameters() throws Exception {
        StubPage page = examplePage("descriptions").with("sound", "ding.au");
        mylist pullDown = multdesc.read(page.reader());
        equal(2, pullDown.size(), "pull-down rows");
        equal("a.htm", pullDown.address(0), "pull-down first address");
        check(pullDown.open(0, page, page.base), "pull-down opens the first link");
        equal("http://www.example.org/site/a.htm in _self", page.shown.get(0), "pull-down first link and target");
        equal(Collections.singletonList("http://www.example.org/site/ding.au"), page.played, "the sound beside the page plays before the link opens");

        StubPage windowPage = examplePage("descriptions").with("sizewidth", "220").with("sizeheight", "").with("sound", "ding.au");
        mylist windowLinks = framer.read(windowPage.reader());
        equal(new Dimension(220, 50), windowLinks.listSize(), "window list size with an empty height");
        framer_list window = new framer_list(windowLinks, windowPage, windowPage.base);
        check(!window.isShowing(), "the list window stays closed until asked for");
        check(window.choose(1), "window list opens the second link");
        check(window.choose(0), "window list opens the first link");
        equal(2, windowPage.shown.size(), "two documents shown");
        equal("http://www.example.org/site/b.htm in _top", windowPage.shown.get(0), "window list second link and target");
        equal(2, windowPage.played.size(), "the sound plays for every chosen link");
        check(!window.choose(2), "a row past the end opens nothing");
        check(!window.choose(-1), "no selection opens nothing");
        equal(2, windowPage.shown.size(), "still two documents shown");
    }

    static void listsSplitWhereTessalyJoinsThem() throws Exception {
        StubPage page = new StubPage("http://host/dir/")
                .with("multidest", "search.cgi?q=a,b, http://other.example/x.htm, , c.htm")
                .with("descriptions", "Search,Elsewhere,Empty,Last,Extra")
                .with("frames", "main,,_blank");
        mylist links = multdesc.read(page.reader());
        equal(5, links.size(), "a comma inside a description splits it (five rows)");
        equal("search.cgi?q=a,b", links.address(0), "a comma without a blank stays in the address");
        equal("http://other.example/x.htm", String.valueOf(links.url(1, page.base)), "absolute address kept");
        equal("", links.address(2), "an empty address keeps its place");
        equal("c.htm", links.address(3), "later addresses stay in line");
        equal("main", links.target(0), "named frame");
        equal("_self", links.target(1), "an empty frame target opens in the same frame");
        equal("_self", links.target(4), "a row without any frame entry opens in the same frame");

        check(!links.open(2, page, page.base), "a row without an address opens nothing");
        check(!links.open(4, page, page.base), "a row past the last address opens nothing");
        check(page.shown.isEmpty(), "nothing shown for rows without addresses");
        equal(2, page.status.size(), "the status line says why");

        StubPage bad = new StubPage("http://host/").with("multidest", "nosuchscheme:x, b.htm").with("descriptions", "Bad,Good");
        mylist badLinks = multdesc.read(bad.reader());
        check(!badLinks.open(0, bad, bad.base), "an unusable address opens nothing");
        check(badLinks.open(1, bad, bad.base), "the next link still works");

        StubPage empty = new StubPage("http://host/");
        equal(0, MultiList.read(empty.reader()).size(), "a page without parameters gives an empty list");
        equal(new Dimension(mylist.DEFAULT_WIDTH, mylist.DEFAULT_HEIGHT), MultiList.read(empty.reader()).listSize(), "default list size");
    }

    static void coloursAndFonts() {
        Color fallback = Color.blue;
        equal(new Color(255, 0, 0), createcolor.fromParameter("16711680", fallback), "16711680 is red");
        equal(new Color(255, 255, 255), createcolor.fromParameter("16777215", fallback), "16777215 is white");
        equal(new Color(0, 0, 0), createcolor.fromParameter(" 0 ", fallback), "blanks around a number are ignored");
        String[] unusable = {null, "", "H808080", "-1", "16777216", "99999999999", "1e3"};
        for (String value : unusable)
            equal(fallback, createcolor.fromParameter(value, fallback), "colour \"" + value + "\" keeps the default");

        Font times = myfont.create("Times Roman", "24", "Bold+Italic");
        equal("Serif", times.getName(), "Times Roman maps to the serif font");
        equal(24, times.getSize(), "size 24");
        equal(Font.BOLD | Font.ITALIC, times.getStyle(), "Bold+Italic");
        equal("Monospaced", myfont.create("Courier", "10", "Bold").getName(), "Courier maps to the monospaced font");
        equal(Font.BOLD, myfont.create("Courier", "10", "Bold").getStyle(), "Bold");
        equal(Font.ITALIC, myfont.create("Dialog", "10", "italic").getStyle(), "style in lower case");
        equal(Font.PLAIN, myfont.create("Dialog", "10", "Normal").getStyle(), "Normal");
        equal(10, myfont.create("Dialog", "", "Normal").getSize(), "empty size gives 10");
        equal(10, myfont.create("Dialog", "0", "Normal").getSize(), "size 0 gives 10");
        equal(10, myfont.create("Dialog", "big", "Normal").getSize(), "non-numeric size gives 10");
        equal(50, myfont.create("Dialog", "50", "Normal").getSize(), "the largest size Tessaly offers");
    }

    public static void main(String[] args) throws Exception {
        if (args.length != 1) {
            System.err.println("usage: AppletHarness PROGRAM_DIRECTORY");
            System.exit(2);
        }
        shippedClassesLoad(new File(args[0]));
        scrollListFollowsTheGeneratedPage();
        pullDownAndWindowListsReadTheirParameters();
        listsSplitWhereTessalyJoinsThem();
        coloursAndFonts();
        System.out.println(passed + " passed, " + failed + " failed");
        System.exit(failed == 0 ? 0 : 1);
    }
}
