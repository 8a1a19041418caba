<?xml version="1.0" encoding="utf-8"?>
<!--
  The detailed report: every setting of a profile, for the dealer.

  The program transforms the profile without its namespace declaration, so
  elements are addressed without a prefix. Before the transform it edits
  this text:
    - "$#SPLITTER" becomes the language's decimal separator, and every
      number pattern written "#." gets that separator instead of the point;
    - the four range variables rxStartFreq ... txEndFreq are pointed at the
      limit's own receive and transmit ranges (keep each definition on one
      line, exactly as written);
    - for a radio of power class 4 the empty "powerfrequency" template
      (keep it on one line) is replaced by one that writes "(2W limit)"
      beside the frequencies of the two-watt list.
  Every rx_code and tx_code above 0 already holds its display text.
  After the transform ABCDEFGTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRFCKUOPQWBFDSA
  becomes "<tr>" (a new table row), and every label token (the English
  text after its two-character prefix) the language's text.

  The page refers to no picture, so it reads the same when mailed alone.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="utf-8" indent="no" doctype-system="about:legacy-compat"/>
  <xsl:decimal-format decimal-separator="$#SPLITTER" grouping-separator="'"/>

  <xsl:variable name="factory" select="/VelaProfile/factory_setting"/>
  <xsl:variable name="limit" select="/VelaProfile/limit"/>
  <xsl:variable name="setting" select="/VelaProfile/setting"/>
  <xsl:variable name="frequencies" select="/VelaProfile/frequencies/frequency"/>
  <xsl:variable name="channels" select="/VelaProfile/channels/channel[position() &lt;= $setting/@numberChannels]"/>
  <xsl:variable name="isDisplay" select="translate(substring($factory/@model, 3, 1), 'd', 'D') = 'D'"/>
  <xsl:variable name="hasRepeater" select="$limit/@disable_repeater_feature != '1'"/>
  <xsl:variable name="hasPower" select="$limit/@power_cntrl_enabled = '1'"/>
  <xsl:variable name="hasScramble" select="$limit/@disable_scramble_feature != '1'"/>
  <xsl:variable name="hasScan" select="$limit/@disable_scan_mode != '1'"/>
  <xsl:variable name="hasTalkaroundScan" select="$limit/@talkaround_scan_enable = '1'"/>
  <xsl:variable name="hasDisableChannel" select="$limit/@disable_channel_enable = '1'"/>

  <xsl:variable name="rxStartFreq" select="/VelaProfile/limit/@start_freq"/>
  <xsl:variable name="rxEndFreq" select="/VelaProfile/limit/@end_freq"/>
  <xsl:variable name="txStartFreq" select="/VelaProfile/limit/@start_freq"/>
  <xsl:variable name="txEndFreq" select="/VelaProfile/limit/@end_freq"/>

  <xsl:template name="powerfrequency"><xsl:param name="frequency"/></xsl:template>

  <!-- ===== Page ============================================================ -->

  <xsl:template match="/">
    <html>
      <head>
        <title>$#Detailed Report - <xsl:value-of select="$factory/@model"/></title>
        <link rel="stylesheet" type="text/css" href="Report.css"/>
      </head>
      <body class="detailed">
        <div class="sheet">
          <div class="title-block">
            <div class="title-text">
              <h1>$#Detailed Report</h1>
              <div class="subtitle">
                <span class="model-code"><xsl:value-of select="$factory/@model"/></span>
                <span class="separator">|</span>
                $#Serial Number: <xsl:value-of select="$factory/@serial"/>
              </div>
            </div>
            <div class="brand">VELA LX</div>
          </div>

          <table class="layout">
            <tr>
              <td class="half"><xsl:call-template name="radioInformation"/></td>
              <td class="half"><xsl:call-template name="audioSettings"/></td>
            </tr>
            <tr>
              <td class="half"><xsl:call-template name="generalSettings"/></td>
              <td class="half"><xsl:call-template name="buttons"/></td>
            </tr>
          </table>

          <xsl:call-template name="channelTable"/>
          <xsl:call-template name="frequencyTable"/>
          <xsl:call-template name="scanList"/>
          <xsl:call-template name="customCodes"/>
        </div>
      </body>
    </html>
  </xsl:template>

  <!-- ===== Sections ======================================================== -->

  <xsl:template name="radioInformation">
    <h2>$#Radio Information</h2>
    <table class="kv">
      <xsl:call-template name="row">
        <xsl:with-param name="label">$#Regional Code</xsl:with-param>
        <xsl:with-param name="value" select="substring($factory/@model, 7, 2)"/>
      </xsl:call-template>
      <xsl:call-template name="row">
        <xsl:with-param name="label">$#Serial Number</xsl:with-param>
        <xsl:with-param name="value" select="string($factory/@serial)"/>
      </xsl:call-template>
      <xsl:call-template name="row">
        <xsl:with-param name="label">$#Firmware Version</xsl:with-param>
        <xsl:with-param name="value" select="concat($factory/@firmware_phase, format-number($factory/@firmware_version, '00'), '.', format-number($factory/@firmware_revision, '00'))"/>
      </xsl:call-template>
      <xsl:call-template name="row">
        <xsl:with-param name="label">$#Codeplug Version</xsl:with-param>
        <xsl:with-param name="value" select="concat($factory/@codeplug_phase, format-number($factory/@codeplug_version, '00'), '.', format-number($factory/@codeplug_dev_version, '00'))"/>
      </xsl:call-template>
      <xsl:call-template name="row">
        <xsl:with-param name="label">$#Frequency Range (MHz)</xsl:with-param>
        <xsl:with-param name="value">
          <xsl:call-template name="range">
            <xsl:with-param name="low" select="$limit/@start_freq"/>
            <xsl:with-param name="high" select="$limit/@end_freq"/>
          </xsl:call-template>
        </xsl:with-param>
      </xsl:call-template>
      <xsl:if test="string($rxStartFreq)">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#Rx Frequency Range (MHz)</xsl:with-param>
          <xsl:with-param name="value">
            <xsl:call-template name="range">
              <xsl:with-param name="low" select="$rxStartFreq"/>
              <xsl:with-param name="high" select="$rxEndFreq"/>
            </xsl:call-template>
          </xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="string($txStartFreq)">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#Tx Frequency Range (MHz)</xsl:with-param>
          <xsl:with-param name="value">
            <xsl:call-template name="range">
              <xsl:with-param name="low" select="$txStartFreq"/>
              <xsl:with-param name="high" select="$txEndFreq"/>
            </xsl:call-template>
          </xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:call-template name="row">
        <xsl:with-param name="label">$#Maximum Channel</xsl:with-param>
        <xsl:with-param name="value" select="string($limit/@maxChannels)"/>
      </xsl:call-template>
    </table>
  </xsl:template>

  <xsl:template name="generalSettings">
    <h2>$#General Settings</h2>
    <table class="kv">
      <xsl:if test="$isDisplay">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#Power Up Text</xsl:with-param>
          <xsl:with-param name="value">
            <xsl:call-template name="text">
              <xsl:with-param name="value" select="string($setting/@powerupString)"/>
            </xsl:call-template>
          </xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$setting/@stationID">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#Repeater Station ID</xsl:with-param>
          <xsl:with-param name="value">
            <xsl:call-template name="text">
              <xsl:with-param name="value" select="string($setting/@stationID)"/>
            </xsl:call-template>
          </xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$setting/@rep_id_mode">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#Repeater ID Mode</xsl:with-param>
          <xsl:with-param name="value">
            <xsl:choose>
              <xsl:when test="$setting/@rep_id_mode = 0">$#Disable</xsl:when>
              <xsl:when test="$setting/@rep_id_mode = 1">$#15</xsl:when>
              <xsl:when test="$setting/@rep_id_mode = 2">$#30</xsl:when>
              <xsl:when test="$setting/@rep_id_mode = 3">$#After conversation</xsl:when>
              <xsl:otherwise><xsl:value-of select="$setting/@rep_id_mode"/></xsl:otherwise>
            </xsl:choose>
          </xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$limit/@disable_busy_led_mode != '1'">
        <xsl:call-template name="flagRow">
          <xsl:with-param name="label">$#Disable All LEDs</xsl:with-param>
          <xsl:with-param name="flag" select="string($setting/@disableLED)"/>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$limit/@factory_reset_disable != '1'">
        <xsl:call-template name="flagRow">
          <xsl:with-param name="label">$#Disable Restore Factory Default</xsl:with-param>
          <xsl:with-param name="flag" select="string($setting/@disableRestoreFactoryDefault)"/>
        </xsl:call-template>
      </xsl:if>
      <xsl:call-template name="flagRow">
        <xsl:with-param name="label">$#Enable Programming Mode</xsl:with-param>
        <xsl:with-param name="flag" select="string($limit/@programming_mode_enabled)"/>
      </xsl:call-template>
      <xsl:if test="$limit/@disable_battery_save_feature != '1'">
        <xsl:call-template name="flagRow">
          <xsl:with-param name="label">$#Disable Battery Save</xsl:with-param>
          <xsl:with-param name="flag" select="string($setting/@disableBatterySave)"/>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$isDisplay">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#Back Light (Sec.)</xsl:with-param>
          <xsl:with-param name="value">
            <xsl:choose>
              <xsl:when test="$setting/@backlight_enabled != '1'">$#OFF</xsl:when>
              <xsl:otherwise><xsl:value-of select="$setting/@backlight_timeout"/></xsl:otherwise>
            </xsl:choose>
          </xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$setting/@rep_hangtime">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#Tx Hangtime (Sec.)</xsl:with-param>
          <xsl:with-param name="value" select="string($setting/@rep_hangtime)"/>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$setting/@low_battery_tx">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#Tx Low Battery (Min.)</xsl:with-param>
          <xsl:with-param name="value" select="string($setting/@low_battery_tx)"/>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$setting/@onbatt_alert">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#On Battery Alert Tone</xsl:with-param>
          <xsl:with-param name="value">
            <xsl:choose>
              <xsl:when test="$setting/@onbatt_alert = 0">$#Disable</xsl:when>
              <xsl:when test="$setting/@onbatt_alert = 1">$#15 min</xsl:when>
              <xsl:when test="$setting/@onbatt_alert = 2">$#30 min</xsl:when>
              <xsl:when test="$setting/@onbatt_alert = 3">$#45 min</xsl:when>
              <xsl:when test="$setting/@onbatt_alert = 4">$#60 min</xsl:when>
              <xsl:otherwise><xsl:value-of select="$setting/@onbatt_alert"/></xsl:otherwise>
            </xsl:choose>
          </xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$setting/@courtesy_over">
        <xsl:call-template name="flagRow">
          <xsl:with-param name="label">$#Enable Courtesy Over Beep</xsl:with-param>
          <xsl:with-param name="flag" select="string($setting/@courtesy_over)"/>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$limit/@disable_time_out_timer != '1'">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#Transmit Timeout Timer (Sec.)</xsl:with-param>
          <xsl:with-param name="value" select="string($setting/@timeoutTimer)"/>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$limit/@enable_reverse_burst = '1'">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#PL Reverse Burst</xsl:with-param>
          <xsl:with-param name="value">
            <xsl:choose>
              <xsl:when test="$setting/@reverseBurst = 0">180</xsl:when>
              <xsl:otherwise>240</xsl:otherwise>
            </xsl:choose>
          </xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:call-template name="row">
        <xsl:with-param name="label">$#Alternate Battery Selection</xsl:with-param>
        <xsl:with-param name="value">
          <xsl:choose>
            <xsl:when test="$setting/@batteryType = 0">$#Alkaline</xsl:when>
            <xsl:otherwise>$#Nickel/LiIon</xsl:otherwise>
          </xsl:choose>
        </xsl:with-param>
      </xsl:call-template>
    </table>
  </xsl:template>

  <xsl:template name="audioSettings">
    <h2>$#Audio Settings</h2>
    <table class="kv">
      <xsl:call-template name="row">
        <xsl:with-param name="label">$#Microphone Gain</xsl:with-param>
        <xsl:with-param name="value"><xsl:call-template name="level"><xsl:with-param name="value" select="string($setting/@microphoneGain)"/></xsl:call-template></xsl:with-param>
      </xsl:call-template>
      <xsl:call-template name="row">
        <xsl:with-param name="label">$#Accessory Microphone Gain</xsl:with-param>
        <xsl:with-param name="value"><xsl:call-template name="level"><xsl:with-param name="value" select="string($setting/@accessoryMicrophoneGain)"/></xsl:call-template></xsl:with-param>
      </xsl:call-template>
      <xsl:if test="$limit/@disable_vox_feature != '1'">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#VOX Level</xsl:with-param>
          <xsl:with-param name="value"><xsl:call-template name="level"><xsl:with-param name="value" select="string($setting/@vox_level)"/></xsl:call-template></xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$limit/@disable_ivox_feature != '1'">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#iVOX Level</xsl:with-param>
          <xsl:with-param name="value"><xsl:call-template name="level"><xsl:with-param name="value" select="string($setting/@ivol_level)"/></xsl:call-template></xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$limit/@voice_chip_enable = '1'">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#Voice Language</xsl:with-param>
          <xsl:with-param name="value">
            <xsl:choose>
              <xsl:when test="$setting/@voice_language = 1">Français</xsl:when>
              <xsl:when test="$setting/@voice_language = 2">Español</xsl:when>
              <xsl:when test="$setting/@voice_language = 7">$#OFF</xsl:when>
              <xsl:otherwise>$#English</xsl:otherwise>
            </xsl:choose>
          </xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$limit/@disable_roger_beep_feature != '1'">
        <xsl:call-template name="switchRow">
          <xsl:with-param name="label">$#Roger Beep Tone</xsl:with-param>
          <xsl:with-param name="flag" select="string($setting/@rogerBeepTone)"/>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$limit/@disable_keypad_beep_feature != '1'">
        <xsl:call-template name="switchRow">
          <xsl:with-param name="label">$#Keypad Beep</xsl:with-param>
          <xsl:with-param name="flag" select="string($setting/@keypadBeep)"/>
        </xsl:call-template>
      </xsl:if>
    </table>
  </xsl:template>

  <xsl:template name="buttons">
    <h2>$#Buttons</h2>
    <table class="kv">
      <xsl:call-template name="buttonRow">
        <xsl:with-param name="label">$#Side Button 1</xsl:with-param>
        <xsl:with-param name="value" select="string($setting/@side1_but)"/>
      </xsl:call-template>
      <xsl:call-template name="buttonRow">
        <xsl:with-param name="label">$#Side Button 2</xsl:with-param>
        <xsl:with-param name="value" select="string($setting/@side2_but)"/>
      </xsl:call-template>
      <xsl:call-template name="buttonRow">
        <xsl:with-param name="label">$#Prog 1 (URB)</xsl:with-param>
        <xsl:with-param name="value" select="string($setting/@upper_right_but)"/>
      </xsl:call-template>
      <xsl:if test="$isDisplay">
        <xsl:call-template name="buttonRow">
          <xsl:with-param name="label">$#Prog 2 (LLB)</xsl:with-param>
          <xsl:with-param name="value" select="string($setting/@lower_left_but)"/>
        </xsl:call-template>
        <xsl:call-template name="buttonRow">
          <xsl:with-param name="label">$#Prog 3 (LRB)</xsl:with-param>
          <xsl:with-param name="value" select="string($setting/@lower_right_but)"/>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$hasScramble">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#Scramble Button</xsl:with-param>
          <xsl:with-param name="value">
            <xsl:choose>
              <xsl:when test="$setting/@disableSelectableScramble = 0">$#Selectable</xsl:when>
              <xsl:otherwise>$#ON/OFF</xsl:otherwise>
            </xsl:choose>
          </xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$limit/@max_call_tones &gt; 0">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#Call Tone</xsl:with-param>
          <xsl:with-param name="value">
            <xsl:choose>
              <xsl:when test="$setting/@callTone = 0">$#OFF</xsl:when>
              <xsl:otherwise>$#Call Tone <xsl:value-of select="$setting/@callTone"/></xsl:otherwise>
            </xsl:choose>
          </xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$limit/@maxPresetButtons &gt; 0">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#Preset 1 Channel</xsl:with-param>
          <xsl:with-param name="value"><xsl:call-template name="presetChannel"><xsl:with-param name="preset" select="$setting/preset[1]"/></xsl:call-template></xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$limit/@maxPresetButtons &gt; 1">
        <xsl:call-template name="row">
          <xsl:with-param name="label">$#Preset 2 Channel</xsl:with-param>
          <xsl:with-param name="value"><xsl:call-template name="presetChannel"><xsl:with-param name="preset" select="$setting/preset[2]"/></xsl:call-template></xsl:with-param>
        </xsl:call-template>
      </xsl:if>
      <xsl:if test="$limit/@disable_keypad_lock_feature != '1'">
        <xsl:call-template name="switchRow">
          <xsl:with-param name="label">$#Keypad Lock</xsl:with-param>
          <xsl:with-param name="flag" select="string($setting/@keypadLock)"/>
        </xsl:call-template>
      </xsl:if>
    </table>
  </xsl:template>

  <!-- ===== Channels ======================================================== -->

  <!-- One row per channel; with a repeater each per-side cell holds a
       receive line and a transmit line, so a channel never splits across
       pages. -->
  <xsl:template name="channelTable">
    <xsl:variable name="columns" select="6 + number($hasRepeater) * 2 + number($hasPower) + number($hasScramble) + number($hasScan) + number($hasTalkaroundScan) + number($hasDisableChannel)"/>
    <!-- At most 19 channels: the table fits a page, so it never starts on
         one page with only its head. -->
    <table class="grid channels keep">
      <thead>
        <tr><th class="section" colspan="{$columns}">$#Channels <span class="count">(<xsl:value-of select="count($channels)"/>)</span></th></tr>
        <tr>
          <th class="num">$#Channel #</th>
          <th>$#Name</th>
          <xsl:if test="$hasRepeater"><th></th></xsl:if>
          <th>$#Frequency(Index)</th>
          <th>$#Bandwidth</th>
          <xsl:if test="$hasPower"><th>$#Power Level</th></xsl:if>
          <th>$#PL/DPL Code</th>
          <xsl:if test="$hasScramble"><th>$#Scramble</th></xsl:if>
          <xsl:if test="$hasRepeater"><th>$#Repeater</th></xsl:if>
          <xsl:if test="$hasScan"><th>$#Auto Scan</th></xsl:if>
          <xsl:if test="$hasTalkaroundScan"><th>$#Talkaround Scan</th></xsl:if>
          <xsl:if test="$hasDisableChannel"><th>$#Disable Channel</th></xsl:if>
        </tr>
      </thead>
      <tbody>
        <xsl:for-each select="$channels">
          <xsl:call-template name="channel"/>
        </xsl:for-each>
      </tbody>
      <xsl:if test="$hasPower">
        <tfoot>
          <tr>
            <td class="note" colspan="{$columns}">
              $#Power Level:
              <xsl:choose>
                <xsl:when test="$hasRepeater">$#Receive - $#Talkaround Power; $#Transmit - $#Repeater Power</xsl:when>
                <xsl:otherwise>$#Receive/Transmit - $#Transmit Power</xsl:otherwise>
              </xsl:choose>
            </td>
          </tr>
        </tfoot>
      </xsl:if>
    </table>
  </xsl:template>

  <xsl:template name="channel">
    <tr>
      <xsl:attribute name="class">
        <xsl:choose>
          <xsl:when test="position() mod 2 = 0">even</xsl:when>
          <xsl:otherwise>odd</xsl:otherwise>
        </xsl:choose>
        <xsl:if test="@disable_channel = '1'"> disabled</xsl:if>
      </xsl:attribute>
      <td class="num"><xsl:value-of select="position()"/></td>
      <td class="name"><xsl:value-of select="@name"/></td>
      <xsl:if test="$hasRepeater">
        <td class="side"><div class="line">$#Receive</div><div class="line">$#Transmit</div></td>
      </xsl:if>
      <td>
        <div class="line">
          <xsl:call-template name="channelFrequency">
            <xsl:with-param name="index" select="@rx_freq_ndx"/>
            <xsl:with-param name="low" select="$rxStartFreq"/>
            <xsl:with-param name="high" select="$rxEndFreq"/>
          </xsl:call-template>
        </div>
        <xsl:if test="$hasRepeater">
          <div class="line">
            <xsl:call-template name="channelFrequency">
              <xsl:with-param name="index" select="@tx_freq_ndx"/>
              <xsl:with-param name="low" select="$txStartFreq"/>
              <xsl:with-param name="high" select="$txEndFreq"/>
            </xsl:call-template>
          </div>
        </xsl:if>
      </td>
      <td>
        <div class="line"><xsl:call-template name="bandwidth"><xsl:with-param name="value" select="string(@rx_bw)"/></xsl:call-template></div>
        <xsl:if test="$hasRepeater">
          <div class="line"><xsl:call-template name="bandwidth"><xsl:with-param name="value" select="string(@tx_bw)"/></xsl:call-template></div>
        </xsl:if>
      </td>
      <xsl:if test="$hasPower">
        <td>
          <div class="line"><xsl:call-template name="power"><xsl:with-param name="value" select="string(@talkaround_power)"/></xsl:call-template></div>
          <xsl:if test="$hasRepeater">
            <div class="line"><xsl:call-template name="power"><xsl:with-param name="value" select="string(@repeater_power)"/></xsl:call-template></div>
          </xsl:if>
        </td>
      </xsl:if>
      <td>
        <div class="line"><xsl:call-template name="code"><xsl:with-param name="value" select="string(@rx_code)"/></xsl:call-template></div>
        <xsl:if test="$hasRepeater">
          <div class="line"><xsl:call-template name="code"><xsl:with-param name="value" select="string(@tx_code)"/></xsl:call-template></div>
        </xsl:if>
      </td>
      <xsl:if test="$hasScramble">
        <td>
          <xsl:choose>
            <xsl:when test="@scramble_code = 1">$#Scramble code 1</xsl:when>
            <xsl:when test="@scramble_code = 2">$#Scramble code 2</xsl:when>
            <xsl:when test="@scramble_code = 3">$#Scramble code 3</xsl:when>
            <xsl:otherwise>$#OFF</xsl:otherwise>
          </xsl:choose>
        </td>
      </xsl:if>
      <xsl:if test="$hasRepeater">
        <td><xsl:call-template name="onOff"><xsl:with-param name="flag" select="string(@repeater)"/></xsl:call-template></td>
      </xsl:if>
      <xsl:if test="$hasScan">
        <td><xsl:call-template name="onOff"><xsl:with-param name="flag" select="string(@autoScan)"/></xsl:call-template></td>
      </xsl:if>
      <xsl:if test="$hasTalkaroundScan">
        <td><xsl:call-template name="onOff"><xsl:with-param name="flag" select="string(@talkaround_scan)"/></xsl:call-template></td>
      </xsl:if>
      <xsl:if test="$hasDisableChannel">
        <td><xsl:call-template name="onOff"><xsl:with-param name="flag" select="string(@disable_channel)"/></xsl:call-template></td>
      </xsl:if>
    </tr>
  </xsl:template>

  <!-- A channel's frequency from the RF table by index, or "Out of range"
       when the table has no such entry or it lies outside the range. -->
  <xsl:template name="channelFrequency">
    <xsl:param name="index"/>
    <xsl:param name="low"/>
    <xsl:param name="high"/>
    <xsl:variable name="entry" select="$frequencies[position() = $index + 1]"/>
    <xsl:choose>
      <xsl:when test="not($entry) or (string($low) and ($entry/@freq &lt; number($low) or $entry/@freq &gt; number($high)))">
        <span class="warning">$#Out of range</span>
      </xsl:when>
      <xsl:otherwise>
        <xsl:call-template name="mhz"><xsl:with-param name="hz" select="$entry/@freq"/></xsl:call-template>
        <span class="index">(<xsl:value-of select="$index + 1"/>)</span>
        <xsl:call-template name="twoWattNote"><xsl:with-param name="frequency" select="string($entry/@freq)"/></xsl:call-template>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="bandwidth">
    <xsl:param name="value"/>
    <xsl:choose>
      <xsl:when test="$value = 1">$#25KHz</xsl:when>
      <xsl:otherwise>$#12.5KHz</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="power">
    <xsl:param name="value"/>
    <xsl:choose>
      <xsl:when test="$value = 1">$#Power High</xsl:when>
      <xsl:otherwise>$#Power Low</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="code">
    <xsl:param name="value"/>
    <xsl:choose>
      <xsl:when test="$value = '0'"><span class="muted">$#No PL/DPL code</span></xsl:when>
      <xsl:otherwise><xsl:value-of select="$value"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- ===== RF frequency table ============================================== -->

  <xsl:template name="frequencyTable">
    <div class="block">
      <!-- A table that fits a page is kept together; a longer one runs on
           and repeats its head. -->
      <table>
        <xsl:attribute name="class">
          <xsl:choose>
            <xsl:when test="count($frequencies) &lt;= 40">grid frequencies keep</xsl:when>
            <xsl:otherwise>grid frequencies</xsl:otherwise>
          </xsl:choose>
        </xsl:attribute>
        <thead>
          <tr><th class="section" colspan="5">$#Frequency <span class="count">(<xsl:value-of select="count($frequencies)"/>)</span></th></tr>
          <tr>
            <th class="num">$#Index</th>
            <th>$#Frequency ($#MHz)</th>
            <th>$#Bandwidth</th>
            <th>$#Power Level</th>
            <th>$#Compander</th>
          </tr>
        </thead>
        <tbody>
          <xsl:for-each select="$frequencies">
            <tr>
              <xsl:attribute name="class">
                <xsl:choose>
                  <xsl:when test="position() mod 2 = 0">even</xsl:when>
                  <xsl:otherwise>odd</xsl:otherwise>
                </xsl:choose>
              </xsl:attribute>
              <td class="num"><xsl:value-of select="position()"/></td>
              <td class="frequency">
                <xsl:call-template name="mhz"><xsl:with-param name="hz" select="@freq"/></xsl:call-template>
                <xsl:call-template name="twoWattNote"><xsl:with-param name="frequency" select="string(@freq)"/></xsl:call-template>
              </td>
              <td>
                <xsl:choose>
                  <xsl:when test="@bandwidth = 0">$#12.5 KHz only</xsl:when>
                  <xsl:when test="@bandwidth = 1">$#25 KHz only</xsl:when>
                  <xsl:when test="@bandwidth = 2">$#User selectable with 12.5 KHz as default</xsl:when>
                  <xsl:when test="@bandwidth = 3">$#User selectable with 25 KHz as default</xsl:when>
                  <xsl:otherwise>&#8212;</xsl:otherwise>
                </xsl:choose>
              </td>
              <td>
                <xsl:choose>
                  <xsl:when test="@power_level = 0">$#Low power only</xsl:when>
                  <xsl:when test="@power_level = 1">$#High Power only</xsl:when>
                  <xsl:when test="@power_level = 2">$#User selectable with low power as default</xsl:when>
                  <xsl:when test="@power_level = 3">$#User Selectable with high power as default</xsl:when>
                  <xsl:otherwise>&#8212;</xsl:otherwise>
                </xsl:choose>
              </td>
              <td>
                <xsl:choose>
                  <xsl:when test="@compander_lle_mode = 2">$#ON</xsl:when>
                  <xsl:when test="@compander_lle_mode = 3">$#OFF</xsl:when>
                  <xsl:otherwise>&#8212;</xsl:otherwise>
                </xsl:choose>
              </td>
            </tr>
          </xsl:for-each>
        </tbody>
      </table>
    </div>
  </xsl:template>

  <!-- ===== Scan list ======================================================= -->

  <xsl:template name="scanList">
    <xsl:variable name="enabled" select="$channels[@disable_channel != '1']"/>
    <div class="block keep">
      <h2>$#Scan List</h2>
      <table class="layout">
        <tr>
          <td class="half">
            <h3>$#Scan List Member</h3>
            <xsl:call-template name="channelNames">
              <xsl:with-param name="list" select="$enabled[@in_scanlist = '1']"/>
            </xsl:call-template>
          </td>
          <td class="half">
            <h3>$#Available Channels</h3>
            <xsl:call-template name="channelNames">
              <xsl:with-param name="list" select="$enabled[@in_scanlist != '1']"/>
            </xsl:call-template>
          </td>
        </tr>
      </table>
    </div>
  </xsl:template>

  <!-- Channel names four to a row; the row marker starts each further row. -->
  <xsl:template name="channelNames">
    <xsl:param name="list"/>
    <xsl:choose>
      <xsl:when test="not($list)"><p class="muted">$#None</p></xsl:when>
      <xsl:otherwise>
        <table class="names">
          <tr>
            <xsl:for-each select="$list">
              <xsl:if test="position() &gt; 1 and position() mod 4 = 1">ABCDEFGTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRFCKUOPQWBFDSA</xsl:if>
              <td><span class="chip"><xsl:value-of select="@name"/></span></td>
            </xsl:for-each>
          </tr>
        </table>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- ===== Customised codes ================================================ -->

  <xsl:template name="customCodes">
    <xsl:if test="$limit/@maxCodes &gt; 122">
      <table class="layout block keep">
        <tr>
          <td class="half">
            <h2>$#Customized PL</h2>
            <table class="kv">
              <xsl:call-template name="toneRow"><xsl:with-param name="label">$#PL Code 124 (Hz)</xsl:with-param><xsl:with-param name="value" select="string($setting/@PLcode124)"/></xsl:call-template>
              <xsl:call-template name="toneRow"><xsl:with-param name="label">$#PL Code 125 (Hz)</xsl:with-param><xsl:with-param name="value" select="string($setting/@PLcode125)"/></xsl:call-template>
              <xsl:call-template name="toneRow"><xsl:with-param name="label">$#PL Code 126 (Hz)</xsl:with-param><xsl:with-param name="value" select="string($setting/@PLcode126)"/></xsl:call-template>
              <xsl:call-template name="toneRow"><xsl:with-param name="label">$#PL Code 127 (Hz)</xsl:with-param><xsl:with-param name="value" select="string($setting/@PLcode127)"/></xsl:call-template>
              <xsl:call-template name="toneRow"><xsl:with-param name="label">$#PL Code 128 (Hz)</xsl:with-param><xsl:with-param name="value" select="string($setting/@PLcode128)"/></xsl:call-template>
              <xsl:call-template name="toneRow"><xsl:with-param name="label">$#PL Code 129 (Hz)</xsl:with-param><xsl:with-param name="value" select="string($setting/@PLcode129)"/></xsl:call-template>
            </table>
          </td>
          <td class="half">
            <xsl:if test="$limit/@maxCodes &gt; 213">
              <h2>$#Customized DPL</h2>
              <table class="kv">
                <xsl:call-template name="dplRow"><xsl:with-param name="label">$#PL Code 214</xsl:with-param><xsl:with-param name="value" select="string($setting/@PLcode214)"/></xsl:call-template>
                <xsl:call-template name="dplRow"><xsl:with-param name="label">$#PL Code 215</xsl:with-param><xsl:with-param name="value" select="string($setting/@PLcode215)"/></xsl:call-template>
                <xsl:call-template name="dplRow"><xsl:with-param name="label">$#PL Code 216</xsl:with-param><xsl:with-param name="value" select="string($setting/@PLcode216)"/></xsl:call-template>
                <xsl:call-template name="dplRow"><xsl:with-param name="label">$#PL Code 217</xsl:with-param><xsl:with-param name="value" select="string($setting/@PLcode217)"/></xsl:call-template>
                <xsl:call-template name="dplRow"><xsl:with-param name="label">$#PL Code 218</xsl:with-param><xsl:with-param name="value" select="string($setting/@PLcode218)"/></xsl:call-template>
                <xsl:call-template name="dplRow"><xsl:with-param name="label">$#PL Code 219</xsl:with-param><xsl:with-param name="value" select="string($setting/@PLcode219)"/></xsl:call-template>
              </table>
            </xsl:if>
          </td>
        </tr>
      </table>
    </xsl:if>
  </xsl:template>

  <xsl:template name="toneRow">
    <xsl:param name="label"/>
    <xsl:param name="value"/>
    <xsl:call-template name="row">
      <xsl:with-param name="label" select="$label"/>
      <xsl:with-param name="value">
        <xsl:choose>
          <xsl:when test="string($value)"><xsl:value-of select="format-number($value div 10, '#.0')"/></xsl:when>
          <xsl:otherwise>&#8212;</xsl:otherwise>
        </xsl:choose>
      </xsl:with-param>
    </xsl:call-template>
  </xsl:template>

  <xsl:template name="dplRow">
    <xsl:param name="label"/>
    <xsl:param name="value"/>
    <xsl:call-template name="row">
      <xsl:with-param name="label" select="$label"/>
      <xsl:with-param name="value">
        <xsl:choose>
          <xsl:when test="string($value)"><xsl:call-template name="octal"><xsl:with-param name="value" select="$value"/></xsl:call-template></xsl:when>
          <xsl:otherwise>&#8212;</xsl:otherwise>
        </xsl:choose>
      </xsl:with-param>
    </xsl:call-template>
  </xsl:template>

  <!-- ===== Values ========================================================== -->

  <xsl:template name="row">
    <xsl:param name="label"/>
    <xsl:param name="value"/>
    <tr>
      <th><xsl:copy-of select="$label"/></th>
      <td><xsl:copy-of select="$value"/></td>
    </tr>
  </xsl:template>

  <!-- A setting that switches something on or off: the label says what. -->
  <xsl:template name="flagRow">
    <xsl:param name="label"/>
    <xsl:param name="flag"/>
    <xsl:call-template name="row">
      <xsl:with-param name="label" select="$label"/>
      <xsl:with-param name="value"><xsl:call-template name="onOff"><xsl:with-param name="flag" select="$flag"/></xsl:call-template></xsl:with-param>
    </xsl:call-template>
  </xsl:template>

  <!-- A feature that is enabled or disabled. -->
  <xsl:template name="switchRow">
    <xsl:param name="label"/>
    <xsl:param name="flag"/>
    <xsl:call-template name="row">
      <xsl:with-param name="label" select="$label"/>
      <xsl:with-param name="value">
        <xsl:choose>
          <xsl:when test="$flag = '1'">$#Enable</xsl:when>
          <xsl:otherwise>$#Disable</xsl:otherwise>
        </xsl:choose>
      </xsl:with-param>
    </xsl:call-template>
  </xsl:template>

  <xsl:template name="buttonRow">
    <xsl:param name="label"/>
    <xsl:param name="value"/>
    <xsl:call-template name="row">
      <xsl:with-param name="label" select="$label"/>
      <xsl:with-param name="value">
        <xsl:choose>
          <xsl:when test="$value = 1">$#Monitor</xsl:when>
          <xsl:when test="$value = 2">$#Scan/Nuisance Channel Delete</xsl:when>
          <xsl:when test="$value = 3">$#Call Tone</xsl:when>
          <xsl:when test="$value = 4">$#Tx Power Selection</xsl:when>
          <xsl:when test="$value = 5">$#Repeater/Talkaround</xsl:when>
          <xsl:when test="$value = 6">$#Backlight</xsl:when>
          <xsl:when test="$value = 9">$#Preset 1</xsl:when>
          <xsl:when test="$value = 10">$#Preset 2</xsl:when>
          <xsl:when test="$value = 12">$#Scramble</xsl:when>
          <xsl:otherwise>$#No Operation</xsl:otherwise>
        </xsl:choose>
      </xsl:with-param>
    </xsl:call-template>
  </xsl:template>

  <xsl:template name="presetChannel">
    <xsl:param name="preset"/>
    <xsl:variable name="channel" select="$channels[position() = $preset/@channel + 1]"/>
    <xsl:choose>
      <xsl:when test="$channel"><xsl:value-of select="$channel/@name"/></xsl:when>
      <xsl:otherwise>$#None</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="onOff">
    <xsl:param name="flag"/>
    <xsl:choose>
      <xsl:when test="$flag = '1'">$#ON</xsl:when>
      <xsl:otherwise>$#OFF</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="level">
    <xsl:param name="value"/>
    <xsl:choose>
      <xsl:when test="$value = 0">$#Low</xsl:when>
      <xsl:when test="$value = 1">$#Medium</xsl:when>
      <xsl:when test="$value = 2">$#High</xsl:when>
      <xsl:otherwise>$#OFF</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="text">
    <xsl:param name="value"/>
    <xsl:choose>
      <xsl:when test="string($value)"><xsl:value-of select="$value"/></xsl:when>
      <xsl:otherwise><span class="muted">$#None</span></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="mhz">
    <xsl:param name="hz"/>
    <xsl:value-of select="format-number($hz div 1000000, '#.000000')"/>
  </xsl:template>

  <xsl:template name="range">
    <xsl:param name="low"/>
    <xsl:param name="high"/>
    <span class="nowrap">
      <xsl:call-template name="mhz"><xsl:with-param name="hz" select="$low"/></xsl:call-template>
      <xsl:text> - </xsl:text>
      <xsl:call-template name="mhz"><xsl:with-param name="hz" select="$high"/></xsl:call-template>
    </span>
  </xsl:template>

  <!-- The two-watt note of a frequency, when there is one. -->
  <xsl:template name="twoWattNote">
    <xsl:param name="frequency"/>
    <xsl:variable name="note">
      <xsl:call-template name="powerfrequency"><xsl:with-param name="frequency" select="$frequency"/></xsl:call-template>
    </xsl:variable>
    <xsl:if test="string($note)"><span class="limit"><xsl:value-of select="$note"/></span></xsl:if>
  </xsl:template>

  <!-- A DPL code: the octal digits of value, at least three. -->
  <xsl:template name="octal">
    <xsl:param name="value"/>
    <xsl:param name="digits" select="''"/>
    <xsl:choose>
      <xsl:when test="$value &gt;= 8 or string-length($digits) &lt; 2">
        <xsl:call-template name="octal">
          <xsl:with-param name="value" select="floor($value div 8)"/>
          <xsl:with-param name="digits" select="concat($value mod 8, $digits)"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="concat($value, $digits)"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>
</xsl:stylesheet>
