import { engineSuite } from './engine_suite.js';
import { startBrowser } from './puppeteer_driver.js';

engineSuite('Chromium', pageUrl => startBrowser('chromium', pageUrl), { withTouch: true, withZoom: true });
